#pragma once

#include <memory>
#include <string>
#include <string_view>

// A claim on a folder for as long as this object lives: a second claim on the same folder,
// from another process or another window of this one, is refused while the first holds. The
// claim goes when the object is destroyed or the process ends, however it ends, so a crashed
// run never leaves the folder blocked.
class FolderLock {
 public:
  enum class Outcome { kClaimed, kInUse, kNotPossible };

  // kInUse: someone holds the folder. kNotPossible: the folder cannot be claimed at all (it
  // does not exist or cannot be opened); `lock` stays empty then.
  static Outcome Claim(std::string_view folder, std::unique_ptr<FolderLock>& lock);

  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  const std::string& Folder() const { return folder_; }

 private:
  FolderLock(int descriptor, std::string folder)
      : descriptor_(descriptor), folder_(std::move(folder)) {}
  int descriptor_;
  std::string folder_;
};

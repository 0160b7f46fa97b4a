#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// A file written whole and then extended at its end line by line, kept open in between: each
// extension costs one look at the path and one write, where opening the file anew costs four.
// A write that returned is in the file for every reader, also when this process dies next.
//
// It is extended only while the path still names the file kept open and the file still holds
// what was last written: deleted, replaced, renamed or changed in size by someone else, or asked
// for under another path, it has to be written whole again and kept anew.
class ExtendedFile {
 public:
  ExtendedFile() = default;
  ~ExtendedFile();
  ExtendedFile(ExtendedFile&& other) noexcept;
  ExtendedFile& operator=(ExtendedFile&& other) noexcept;
  ExtendedFile(const ExtendedFile&) = delete;
  ExtendedFile& operator=(const ExtendedFile&) = delete;

  // Keeps the file at `path`, just written whole with `size` bytes, open to extend it. Nothing
  // is kept when it cannot be opened or has another size.
  void Keep(const std::string& path, size_t size);
  // Writes `tail` over the kept file from byte `keep` on (keep <= its size), when it is the file
  // at `path` and still holds `expected_size` bytes; false, writing nothing, otherwise. Throws
  // FileError when the write fails.
  bool ReplaceTail(const std::string& path, size_t expected_size, size_t keep,
                   std::string_view tail);
  void Close();

 private:
  int fd_ = -1;
  std::string path_;
  std::filesystem::path resolved_;
  unsigned long long device_ = 0, inode_ = 0;
  size_t size_ = 0;
};

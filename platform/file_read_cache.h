#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/text_file.h"

// Text files read once per operation. While a FileReadScope is open, a file read again gives
// the lines read the first time, as long as the file on disk is still the same one (same file,
// size and modification and change times); a file written or replaced meanwhile is read anew.
// Outside a scope every read goes to the disk, and closing the last scope forgets every file.
class FileReadCache {
 public:
  // The file's lines; throws FileError when it cannot be read.
  std::shared_ptr<const TextLines> Lines(std::string_view path);

 private:
  friend class FileReadScope;
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const TextLines> lines;
  };

  int open_scopes_ = 0;
  std::unordered_map<std::string, Entry> entries_;
};

// Keeps the files read through `cache` for as long as it lives (scopes may nest).
class FileReadScope {
 public:
  explicit FileReadScope(FileReadCache& cache) : cache_(cache) { ++cache_.open_scopes_; }
  ~FileReadScope() {
    if (--cache_.open_scopes_ == 0) cache_.entries_.clear();
  }
  FileReadScope(const FileReadScope&) = delete;
  FileReadScope& operator=(const FileReadScope&) = delete;

 private:
  FileReadCache& cache_;
};

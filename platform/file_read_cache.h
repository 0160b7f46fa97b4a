#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/cache_scope.h"
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
  friend class CacheScope<FileReadCache>;
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const TextLines> lines;
  };

  int open_scopes_ = 0;
  std::unordered_map<std::string, Entry> entries_;
};

using FileReadScope = CacheScope<FileReadCache>;

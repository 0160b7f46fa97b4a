#pragma once

#include <memory>
#include <string_view>

#include "platform/cache_scope.h"
#include "platform/stamped_cache.h"
#include "platform/text_file.h"

// Text files read once per operation. While a FileReadScope is open, a file read again gives
// the lines read the first time, as long as the file on disk is still the same one (same file,
// size and modification and change times); a file written or replaced meanwhile is read anew.
// Outside a scope every read goes to the disk, and closing the last scope forgets every file.
class FileReadCache : public StampedCache<TextLines> {
 public:
  // The file's lines; throws FileError when it cannot be read.
  std::shared_ptr<const TextLines> Lines(std::string_view path) { return StampedLines(path).value; }
  // The same, with the stamp the file had when its lines were read.
  StampedRead<TextLines> StampedLines(std::string_view path);
};

using FileReadScope = CacheScope<FileReadCache>;

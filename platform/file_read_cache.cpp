#include "platform/file_read_cache.h"

#include <utility>

// A file read again costs one look at its stamp; a file read anew costs what reading it does:
// its stamp is taken from the open file, before and after the read.
StampedRead<TextLines> FileReadCache::StampedLines(std::string_view path) {
  return Get(path, [](std::string_view read_path) {
    StampedBytes read = ReadStampedFileBytes(read_path);
    return StampedRead<TextLines>{std::make_shared<const TextLines>(std::move(read.bytes)),
                                  read.stamp, read.unchanged};
  });
}

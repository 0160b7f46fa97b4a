#include "platform/file_read_cache.h"

#include <utility>

#include "platform/file_system.h"

// A file read again costs one look at its stamp; a file read anew costs what reading it does:
// its stamp is taken from the open file, before and after the read.
std::shared_ptr<const TextLines> FileReadCache::Lines(std::string_view path) {
  if (open_scopes_ == 0) return std::make_shared<const TextLines>(ReadTextLineViews(path));
  // One file under two spellings of its path ("Data\\" and "data/") is one entry.
  const std::filesystem::path resolved = ResolvePath(path);
  const std::string& key = resolved.native();
  const auto found = entries_.find(key);
  if (found != entries_.end()) {
    FileStamp now;
    if (StampOfPath(resolved, now) && now == found->second.stamp) return found->second.lines;
    entries_.erase(found);
  }
  StampedBytes read = ReadStampedFileBytes(key);
  auto lines = std::make_shared<const TextLines>(std::move(read.bytes));
  // A file that changed while it was read is not kept: the next read must see it whole.
  if (read.unchanged) entries_.emplace(key, Entry{read.stamp, lines});
  return lines;
}

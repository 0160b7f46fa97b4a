#include "platform/file_read_cache.h"

#include <sys/stat.h>

#include <utility>

#include "platform/file_system.h"

bool FileReadCache::StampOf(std::string_view path, Stamp& stamp) {
  struct stat info {};
  if (::stat(ResolvePath(path).c_str(), &info) != 0) return false;
  stamp = Stamp{
      static_cast<unsigned long long>(info.st_dev),  static_cast<unsigned long long>(info.st_ino),
      static_cast<unsigned long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
      static_cast<long long>(info.st_mtim.tv_nsec),  static_cast<long long>(info.st_ctim.tv_sec),
      static_cast<long long>(info.st_ctim.tv_nsec)};
  return true;
}

std::shared_ptr<const TextLines> FileReadCache::Lines(std::string_view path) {
  if (open_scopes_ == 0) return std::make_shared<const TextLines>(ReadTextLineViews(path));
  // One file under two spellings of its path ("Data\\" and "data/") is one entry.
  const std::string key = ResolvePath(path).string();
  Stamp before;
  const bool stamped = StampOf(key, before);
  if (stamped) {
    const auto found = entries_.find(key);
    if (found != entries_.end() && found->second.stamp == before) return found->second.lines;
  }
  auto lines = std::make_shared<const TextLines>(ReadTextLineViews(key));
  // A file that changed while it was read is not kept: the next read must see it whole.
  Stamp after;
  if (stamped && StampOf(key, after) && after == before) {
    entries_[key] = Entry{before, lines};
  } else {
    entries_.erase(key);
  }
  return lines;
}

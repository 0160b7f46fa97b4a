#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/cache_scope.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

// What was made of a file, with the file's stamp when the read began and whether the file still
// had that stamp when the read ended (false: it changed meanwhile).
template <typename Value>
struct StampedRead {
  std::shared_ptr<const Value> value;
  FileStamp stamp;
  bool unchanged = false;
};

// What was made of files, kept per file while a CacheScope is open. A file asked for again gives
// what was made the first time, as long as the file on disk still has the stamp it had then; a
// file written or replaced since is made anew. One file under two spellings of its path is one
// entry. Outside a scope nothing is kept, and closing the last scope forgets every file.
template <typename Value>
class StampedCache {
 protected:
  // What `make(path)` makes of the file, kept for later uses within the scope. Within a scope
  // `make` is given the resolved path, outside one the path as given; it answers the value, the
  // stamp its file had when read and whether that stamp held through the read.
  template <typename Make>
  StampedRead<Value> Get(std::string_view path, Make make) {
    if (open_scopes_ == 0) return make(path);
    const std::filesystem::path resolved = ResolvePath(path);
    const std::string& key = resolved.native();
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
      FileStamp now;
      if (StampOfPath(resolved, now) && now == found->second.stamp) {
        return StampedRead<Value>{found->second.value, now, true};
      }
      entries_.erase(found);
    }
    StampedRead<Value> made = make(std::string_view(key));
    // What was made of a file that changed meanwhile is not kept: the next use must see it whole.
    if (made.unchanged) entries_.emplace(key, Entry{made.stamp, made.value});
    return made;
  }

 private:
  template <typename Cache>
  friend class CacheScope;
  struct Entry {
    FileStamp stamp;
    std::shared_ptr<const Value> value;
  };

  int open_scopes_ = 0;
  std::unordered_map<std::string, Entry> entries_;
};

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What finding paths without regard to case learns about the disk, kept while an operation runs:
// the kind of each path looked at and the entries of each folder searched. Resolving a path
// again then costs no system call. The program's own changes through the file layer
// (file_system.h, text_file.h) forget what they touch; anything else changed meanwhile, by the
// game or a user, is seen once the operation ends, since closing the last scope forgets it all.
//
// The form owns one. Path resolution uses the cache of the innermost open FolderCacheScope of
// the calling thread, and none outside a scope: then every look-up goes to the disk.
class FolderCache {
 public:
  // The kind of the entry at `path` (a symbolic link counts as what it names); not_found when
  // there is none.
  std::filesystem::file_type TypeOf(const std::filesystem::path& path);
  // The entry of `folder` whose name equals `name` without regard to case, the first in byte
  // order when several do; empty when there is none. Null when the folder cannot be listed.
  const std::string* MatchIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& name);

  // What `path_text` was last found to stand for on disk; null when it was not looked up yet,
  // or a change in a folder its walk went through has been noted since.
  const std::filesystem::path* Resolved(std::string_view path_text) const;
  void RememberResolved(std::string_view path_text, const std::filesystem::path& resolved);

  // `path` was created, replaced or removed: its kind and its folder's entries are read again,
  // and every path found through that folder is walked again.
  void Forget(const std::filesystem::path& path);
  void Clear();

 private:
  friend class FolderCacheScope;
  struct Listing {
    bool listed = false;
    std::unordered_map<std::string, std::string> by_lower_name;
  };

  void ForgetResolvedBelow(const std::string& folder);

  int open_scopes_ = 0;
  std::unordered_map<std::string, std::filesystem::file_type> types_;
  std::unordered_map<std::string, Listing> listings_;
  std::unordered_map<std::string, std::filesystem::path> resolved_;
  // The path texts of resolved_, by the folder their path lies in.
  std::unordered_map<std::string, std::vector<std::string>> resolved_by_folder_;
};

// Makes `cache` the one path resolution uses on this thread while the scope lives. Scopes nest;
// closing the last one of a cache forgets everything in it.
class FolderCacheScope {
 public:
  explicit FolderCacheScope(FolderCache& cache);
  ~FolderCacheScope();
  FolderCacheScope(const FolderCacheScope&) = delete;
  FolderCacheScope& operator=(const FolderCacheScope&) = delete;

  // The cache of the innermost open scope of this thread; null outside every scope.
  static FolderCache* Current();
  // Tells every cache in use on this thread that `path` was created, replaced or removed.
  static void NoteChange(const std::filesystem::path& path);
  // The same for a folder moved or removed with everything in it.
  static void NoteFolderChange();

 private:
  FolderCache& cache_;
  FolderCacheScope* outer_;
};

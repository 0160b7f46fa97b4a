#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/folder_entries.h"
#include "platform/text_file.h"

// What finding paths without regard to case learns about the disk, kept while an operation runs:
// the kind of each path looked at and the entries of each folder listed. Resolving a path or
// asking whether it exists then costs no system call: a path in a folder already listed is
// answered from the listing. The program's own changes through the file layer (file_system.h,
// text_file.h) forget what they touch; anything else changed meanwhile, by the game or a user,
// is seen once the operation ends, since closing the last scope forgets it all.
//
// The form owns one. Path resolution uses the cache of the innermost open FolderCacheScope of
// the calling thread, and none outside a scope: then every look-up goes to the disk.
class FolderCache {
 public:
  // The kind of the entry at `path` (a symbolic link counts as what it names); not_found when
  // there is none.
  std::filesystem::file_type TypeOf(const std::filesystem::path& path);
  // The entry of `folder` whose name equals `name` without regard to case, the first in byte
  // order when several do; null when there is none or the folder cannot be listed.
  const std::string* MatchIgnoringCase(const std::filesystem::path& folder,
                                       const std::string& name);
  // The folder's entries as just read from the disk, kept for the questions that follow.
  void RememberListing(const std::filesystem::path& folder,
                       const std::vector<FolderEntry>& entries);

  // What `path_text` was last found to stand for on disk; null when it was not looked up yet,
  // or a change in a folder its walk went through has been noted since.
  const std::filesystem::path* Resolved(std::string_view path_text) const;
  void RememberResolved(std::string_view path_text, const std::filesystem::path& resolved);

  // The file at `path` held `bytes` while it had `stamp`. Writing the same bytes again can
  // then be found to change nothing with one look at the file's stamp.
  void RememberContent(const std::filesystem::path& path, const FileStamp& stamp,
                       std::string_view bytes);
  // The file at `path`, which has `stamp` now, holds `bytes`, as far as the cache knows.
  bool HoldsContent(const std::filesystem::path& path, const FileStamp& stamp,
                    std::string_view bytes) const;

  // `path` was created, replaced or removed: its kind and its folder's entries are read again,
  // and every path found through that folder is walked again.
  void Forget(const std::filesystem::path& path);
  void Clear();

 private:
  friend class FolderCacheScope;
  struct Listing {
    // False for a folder that could not be listed: it tells nothing of what is in it.
    bool readable = false;
    // Each entry's kind as listed, by exact name.
    std::unordered_map<std::string, std::filesystem::file_type> types;
    std::unordered_map<std::string, std::string> by_lower_name;
  };
  struct Content {
    FileStamp stamp;
    std::string bytes;
  };

  const Listing& ListingOf(const std::filesystem::path& folder);
  static void Fill(Listing& listing, const std::vector<FolderEntry>& entries);
  std::optional<std::filesystem::file_type> TypeFromListing(
      const std::filesystem::path& path) const;
  void ForgetResolvedBelow(const std::string& folder);

  int open_scopes_ = 0;
  std::unordered_map<std::string, std::filesystem::file_type> types_;
  // By folder, written without a closing separator.
  std::unordered_map<std::string, Listing> listings_;
  std::unordered_map<std::string, std::filesystem::path> resolved_;
  // The path texts of resolved_, by the folder their path lies in.
  std::unordered_map<std::string, std::vector<std::string>> resolved_by_folder_;
  std::unordered_map<std::string, Content> contents_;
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

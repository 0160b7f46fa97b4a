#include "platform/folder_cache.h"

#include <system_error>

#include "platform/ascii.h"

namespace fs = std::filesystem;

namespace {

// The innermost open scope of this thread: each scope links to the one it was opened in.
thread_local FolderCacheScope* innermost_scope = nullptr;

}  // namespace

fs::file_type FolderCache::TypeOf(const fs::path& path) {
  const auto known = types_.find(path.native());
  if (known != types_.end()) return known->second;
  std::error_code ec;
  const fs::file_type type = fs::status(path, ec).type();
  types_.emplace(path.native(), type);
  return type;
}

const std::string* FolderCache::MatchIgnoringCase(const fs::path& folder, const std::string& name) {
  Listing& listing = listings_[folder.native()];
  if (!listing.listed) {
    listing.listed = true;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
      std::string entry = it->path().filename().string();
      auto [slot, added] = listing.by_lower_name.try_emplace(AsciiLowerCase(entry), entry);
      if (!added && entry < slot->second) slot->second = std::move(entry);
    }
  }
  const auto found = listing.by_lower_name.find(AsciiLowerCase(name));
  return found == listing.by_lower_name.end() ? nullptr : &found->second;
}

const fs::path* FolderCache::Resolved(std::string_view path_text) const {
  const auto found = resolved_.find(std::string(path_text));
  return found == resolved_.end() ? nullptr : &found->second;
}

void FolderCache::RememberResolved(std::string_view path_text, const fs::path& resolved) {
  auto [slot, added] = resolved_.try_emplace(std::string(path_text), resolved);
  if (!added) return;
  resolved_by_folder_[resolved.parent_path().native()].push_back(slot->first);
}

namespace {

// `path` is `folder` or lies below it.
bool IsWithin(const std::string& path, const std::string& folder) {
  if (path.compare(0, folder.size(), folder) != 0) return false;
  return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

}  // namespace

// A walk through `folder` may end elsewhere now; one that only passed beside it may not.
void FolderCache::ForgetResolvedBelow(const std::string& folder) {
  if (folder.empty()) {
    resolved_.clear();
    resolved_by_folder_.clear();
    return;
  }
  for (auto it = resolved_by_folder_.begin(); it != resolved_by_folder_.end();) {
    // Relative paths are walked again after any change: their folder is not known here.
    const bool relative = it->first.empty() || it->first.front() != '/';
    if (!relative && !IsWithin(it->first, folder)) {
      ++it;
      continue;
    }
    for (const std::string& path_text : it->second) resolved_.erase(path_text);
    it = resolved_by_folder_.erase(it);
  }
}

void FolderCache::Forget(const fs::path& path) {
  const fs::path normal = path.lexically_normal();
  fs::path without_slash = normal;
  if (!without_slash.has_filename() && without_slash.has_relative_path()) {
    without_slash = without_slash.parent_path();
  }
  types_.erase(without_slash.native());
  types_.erase((without_slash / "").native());
  listings_.erase(without_slash.parent_path().native());
  if (!resolved_.empty()) ForgetResolvedBelow(without_slash.parent_path().native());
}

void FolderCache::Clear() {
  types_.clear();
  listings_.clear();
  resolved_.clear();
  resolved_by_folder_.clear();
}

FolderCacheScope::FolderCacheScope(FolderCache& cache) : cache_(cache), outer_(innermost_scope) {
  ++cache_.open_scopes_;
  innermost_scope = this;
}

FolderCacheScope::~FolderCacheScope() {
  innermost_scope = outer_;
  if (--cache_.open_scopes_ == 0) cache_.Clear();
}

FolderCache* FolderCacheScope::Current() {
  return innermost_scope == nullptr ? nullptr : &innermost_scope->cache_;
}

void FolderCacheScope::NoteChange(const fs::path& path) {
  for (FolderCacheScope* scope = innermost_scope; scope != nullptr; scope = scope->outer_) {
    scope->cache_.Forget(path);
  }
}

void FolderCacheScope::NoteFolderChange() {
  for (FolderCacheScope* scope = innermost_scope; scope != nullptr; scope = scope->outer_) {
    scope->cache_.Clear();
  }
}

#include "platform/folder_cache.h"

#include <system_error>

#include "platform/ascii.h"

namespace fs = std::filesystem;

namespace {

// The innermost open scope of this thread: each scope links to the one it was opened in.
thread_local FolderCacheScope* innermost_scope = nullptr;

// A folder's text without its closing separators, as listings are kept by.
std::string_view WithoutClosingSeparators(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return path;
}

// A "." or ".." part makes one folder go by several texts: such paths go to the disk.
bool HasDotPart(std::string_view path) {
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t end = path.find('/', pos);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(pos, end - pos);
    if (part == "." || part == "..") return true;
    pos = end + 1;
  }
  return false;
}

bool NeedsItsOwnLook(fs::file_type listed) {
  return listed == fs::file_type::symlink || listed == fs::file_type::unknown ||
         listed == fs::file_type::none;
}

}  // namespace

fs::file_type FolderCache::TypeOf(const fs::path& path) {
  const auto known = types_.find(path.native());
  if (known != types_.end()) return known->second;
  fs::file_type type;
  if (const std::optional<fs::file_type> listed = TypeFromListing(path)) {
    type = *listed;
  } else {
    std::error_code ec;
    type = fs::status(path, ec).type();
  }
  types_.emplace(path.native(), type);
  return type;
}

// The kind of `path` as the listing of its folder tells it, when the folder was listed (or is
// known to be missing) and the entry is no link.
std::optional<fs::file_type> FolderCache::TypeFromListing(const fs::path& path) const {
  const std::string_view text = path.native();
  if (HasDotPart(text)) return std::nullopt;
  const std::string_view entry = WithoutClosingSeparators(text);
  const bool folder_only = entry.size() < text.size();
  const size_t cut = entry.rfind('/');
  const std::string_view name = cut == std::string_view::npos ? entry : entry.substr(cut + 1);
  if (name.empty() || name == "/") return std::nullopt;
  const std::string folder(cut == std::string_view::npos
                               ? std::string_view()
                               : WithoutClosingSeparators(entry.substr(0, cut == 0 ? 1 : cut)));

  const auto folder_type = types_.find(folder);
  if (folder_type != types_.end() && folder_type->second != fs::file_type::directory &&
      !NeedsItsOwnLook(folder_type->second)) {
    return fs::file_type::not_found;
  }
  const auto listing = listings_.find(folder);
  if (listing == listings_.end() || !listing->second.readable) return std::nullopt;
  const auto found = listing->second.types.find(std::string(name));
  if (found == listing->second.types.end()) return fs::file_type::not_found;
  if (NeedsItsOwnLook(found->second)) return std::nullopt;
  if (folder_only && found->second != fs::file_type::directory) return fs::file_type::not_found;
  return found->second;
}

const FolderCache::Listing& FolderCache::ListingOf(const fs::path& folder) {
  const std::string key(WithoutClosingSeparators(folder.native()));
  const auto known = listings_.find(key);
  if (known != listings_.end()) return known->second;
  const std::optional<std::vector<FolderEntry>> entries = ReadFolderEntries(folder);
  Listing& listing = listings_[key];
  if (entries) Fill(listing, *entries);
  return listing;
}

void FolderCache::Fill(Listing& listing, const std::vector<FolderEntry>& entries) {
  listing.readable = true;
  listing.types.clear();
  listing.by_lower_name.clear();
  for (const FolderEntry& entry : entries) {
    listing.types.emplace(entry.name, entry.type);
    auto [slot, added] = listing.by_lower_name.try_emplace(AsciiLowerCase(entry.name), entry.name);
    if (!added && entry.name < slot->second) slot->second = entry.name;
  }
}

void FolderCache::RememberListing(const fs::path& folder, const std::vector<FolderEntry>& entries) {
  Fill(listings_[std::string(WithoutClosingSeparators(folder.native()))], entries);
}

const std::string* FolderCache::MatchIgnoringCase(const fs::path& folder, const std::string& name) {
  const Listing& listing = ListingOf(folder);
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

void FolderCache::RememberContent(const fs::path& path, const FileStamp& stamp,
                                  std::string_view bytes) {
  contents_.insert_or_assign(path.native(), Content{stamp, std::string(bytes)});
}

bool FolderCache::HoldsContent(const fs::path& path, const FileStamp& stamp,
                               std::string_view bytes) const {
  const auto known = contents_.find(path.native());
  return known != contents_.end() && known->second.stamp == stamp && known->second.bytes == bytes;
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
  contents_.erase(without_slash.native());
  // A folder made or removed has other entries now, and so has the folder it is in.
  listings_.erase(without_slash.native());
  listings_.erase(without_slash.parent_path().native());
  if (!resolved_.empty()) ForgetResolvedBelow(without_slash.parent_path().native());
}

void FolderCache::Clear() {
  types_.clear();
  listings_.clear();
  resolved_.clear();
  resolved_by_folder_.clear();
  contents_.clear();
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

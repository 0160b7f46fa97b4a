#include "platform/file_system.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "platform/ascii.h"
#include "platform/crash_point.h"
#include "platform/errors.h"
#include "platform/folder_cache.h"
#include "platform/folder_entries.h"
#include "platform/text_file.h"

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The entry of `folder` whose name equals `part` without regard to case; the exact name
// when it exists, the first in sorted order otherwise.
std::string MatchEntry(const fs::path& folder, const std::string& part) {
  std::error_code ec;
  if (fs::exists(folder / part, ec)) return part;
  std::vector<std::string> candidates;
  for (FolderEntry& entry : ReadFolderEntries(folder).value_or(std::vector<FolderEntry>())) {
    if (EqualsIgnoreCase(entry.name, part)) candidates.push_back(std::move(entry.name));
  }
  if (candidates.empty()) return part;
  std::sort(candidates.begin(), candidates.end());
  return candidates.front();
}

}  // namespace

namespace {

// The path as written, with either separator: what ResolvePath answers when it exists.
fs::path PathAsWritten(std::string_view path_text) {
  fs::path path = (!path_text.empty() && IsSeparator(path_text[0])) ? "/" : "";
  size_t pos = 0;
  while (pos < path_text.size()) {
    size_t end = pos;
    while (end < path_text.size() && !IsSeparator(path_text[end])) ++end;
    if (end > pos) path /= std::string(path_text.substr(pos, end - pos));
    pos = end + 1;
  }
  if (!path_text.empty() && IsSeparator(path_text.back()) && path != "/") path /= "";
  return path;
}

}  // namespace

namespace {

bool Exists(fs::file_type type) {
  return type != fs::file_type::not_found && type != fs::file_type::none;
}

// Every part is a name: no "." or "..", which would make one folder go by several paths.
bool OnlyNames(std::string_view path_text) {
  size_t pos = 0;
  while (pos < path_text.size()) {
    size_t end = pos;
    while (end < path_text.size() && !IsSeparator(path_text[end])) ++end;
    const std::string_view part = path_text.substr(pos, end - pos);
    if (part == "." || part == "..") return false;
    pos = end + 1;
  }
  return true;
}

// What a path walk asks of the disk: whether a path is there, the entry of a folder that a
// name stands for, and whether a path is a folder.
struct DiskLookup {
  bool Exists(const fs::path& path) const {
    std::error_code ec;
    return fs::exists(path, ec);
  }
  std::string Match(const fs::path& folder, const std::string& part) const {
    return MatchEntry(folder, part);
  }
  bool IsFolder(const fs::path& path) const {
    std::error_code ec;
    return fs::is_directory(path, ec);
  }
};

// The same questions answered from what an operation's folder cache knows.
struct CachedLookup {
  FolderCache& cache;
  bool Exists(const fs::path& path) const { return ::Exists(cache.TypeOf(path)); }
  std::string Match(const fs::path& folder, const std::string& part) const {
    if (Exists(folder / part)) return part;
    const std::string* match = cache.MatchIgnoringCase(folder, part);
    return match != nullptr ? *match : part;
  }
  bool IsFolder(const fs::path& path) const {
    return cache.TypeOf(path) == fs::file_type::directory;
  }
};

// Walks the path part by part, taking at each folder the entry that matches without regard
// to case. Below a part that is not a folder the rest is kept as written.
template <typename Lookup>
fs::path ResolveWith(std::string_view path_text, const Lookup& lookup) {
  // A path that exists as written needs no search: every part of it matches exactly.
  fs::path as_written = PathAsWritten(path_text);
  if (!path_text.empty() && lookup.Exists(as_written)) return as_written;

  fs::path resolved = (!path_text.empty() && IsSeparator(path_text[0])) ? "/" : "";
  bool parent_exists = true;
  size_t pos = 0;
  while (pos < path_text.size()) {
    size_t end = pos;
    while (end < path_text.size() && !IsSeparator(path_text[end])) ++end;
    const std::string part(path_text.substr(pos, end - pos));
    pos = end + 1;
    if (part.empty()) continue;
    if (part == "." || part == ".." || !parent_exists) {
      resolved /= part;
      continue;
    }
    resolved /= lookup.Match(resolved, part);
    parent_exists = lookup.IsFolder(resolved);
  }
  // A trailing separator marks a folder; keep it so that callers can append names.
  if (!path_text.empty() && IsSeparator(path_text.back()) && resolved != "/") resolved /= "";
  return resolved;
}

}  // namespace

fs::path ResolvePath(std::string_view path_text) {
  FolderCache* const cache = FolderCacheScope::Current();
  if (cache == nullptr || !OnlyNames(path_text)) return ResolveWith(path_text, DiskLookup{});
  if (const fs::path* known = cache->Resolved(path_text)) return *known;
  fs::path resolved = ResolveWith(path_text, CachedLookup{*cache});
  cache->RememberResolved(path_text, resolved);
  return resolved;
}

bool IsAbsolutePath(std::string_view path) {
  return !path.empty() && ResolvePath(path).is_absolute();
}

namespace {

fs::file_type TypeOfPath(std::string_view path) {
  const fs::path resolved = ResolvePath(path);
  if (FolderCache* const cache = FolderCacheScope::Current()) return cache->TypeOf(resolved);
  std::error_code ec;
  return fs::status(resolved, ec).type();
}

}  // namespace

bool FileExists(std::string_view path) {
  return !path.empty() && TypeOfPath(path) == fs::file_type::regular;
}

bool DirectoryExists(std::string_view path) {
  return !path.empty() && TypeOfPath(path) == fs::file_type::directory;
}

bool CreateDir(std::string_view path) {
  std::error_code ec;
  const fs::path resolved = ResolvePath(path);
  const bool created = fs::create_directory(resolved, ec) && !ec;
  FolderCacheScope::NoteChange(resolved);
  return created;
}

bool ForceDirectories(std::string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  const fs::path resolved = ResolvePath(path);
  fs::create_directories(resolved, ec);
  for (fs::path level = resolved; level.has_relative_path(); level = level.parent_path()) {
    FolderCacheScope::NoteChange(level);
  }
  return !ec && DirectoryExists(path);
}

bool DeleteFile(std::string_view path) {
  std::error_code ec;
  const fs::path resolved = ResolvePath(path);
  if (!fs::is_regular_file(resolved, ec)) return false;
  const bool removed = fs::remove(resolved, ec) && !ec;
  FolderCacheScope::NoteChange(resolved);
  if (removed) FileChanged();
  return removed;
}

bool CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) {
  if (!FileExists(from)) return false;
  if (fail_if_exists && FileExists(to)) return false;
  std::error_code ec;
  const fs::perms mode = fs::status(ResolvePath(from), ec).permissions();
  try {
    WriteFileWithMode(to, ReadFileBytes(from), ec ? std::nullopt : std::optional(mode));
  } catch (const FileError&) {
    return false;
  }
  return true;
}

bool RenameFile(std::string_view from, std::string_view to) {
  std::error_code ec;
  const fs::path source = ResolvePath(from);
  if (!fs::exists(fs::symlink_status(source, ec))) return false;
  const fs::path target = ResolvePath(to);
  if (fs::exists(fs::symlink_status(target, ec)) && !fs::equivalent(source, target, ec)) {
    return false;
  }
  const bool folder = fs::is_directory(fs::symlink_status(source, ec));
  fs::rename(source, target, ec);
  if (folder) {
    FolderCacheScope::NoteFolderChange();
  } else {
    FolderCacheScope::NoteChange(source);
    FolderCacheScope::NoteChange(target);
  }
  if (!ec) FileChanged();
  return !ec;
}

bool MoveFileReplacing(std::string_view from, std::string_view to) {
  std::error_code ec;
  const fs::path source = ResolvePath(from);
  if (!fs::is_regular_file(fs::symlink_status(source, ec))) return false;
  const fs::path target = ResolvePath(to);
  fs::rename(source, target, ec);
  FolderCacheScope::NoteChange(source);
  FolderCacheScope::NoteChange(target);
  if (!ec) FileChanged();
  return !ec;
}

bool DeleteFolder(std::string_view path) {
  std::error_code ec;
  fs::remove_all(ResolvePath(path), ec);
  FolderCacheScope::NoteFolderChange();
  return !ec;
}

namespace {

bool MatchPattern(std::string_view pattern, std::string_view name) {
  // Iterative match with backtracking to the last "*".
  size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == '?' || AsciiLower(pattern[p]) == AsciiLower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (MatchPattern(pattern, name)) return true;
  // As on Windows, a pattern ending in ".*" also takes names without an extension ("*.*").
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         name.find('.') == std::string_view::npos &&
         MatchPattern(pattern.substr(0, pattern.size() - 2), name);
}

std::vector<std::string> ListDirectory(std::string_view folder, std::string_view pattern,
                                       EntryKind kind) {
  const fs::path resolved = ResolvePath(folder);
  const std::optional<std::vector<FolderEntry>> entries = ReadFolderEntries(resolved);
  if (!entries) return {};
  FolderCache* const cache = FolderCacheScope::Current();
  // Read just now: what path look-ups ask of this folder next is answered from it.
  if (cache != nullptr) cache->RememberListing(resolved, *entries);
  const auto is_folder = [&](const FolderEntry& entry) {
    if (entry.type == fs::file_type::directory) return true;
    if (entry.type != fs::file_type::symlink && entry.type != fs::file_type::unknown) return false;
    std::error_code ec;
    return fs::is_directory((resolved.empty() ? fs::path(".") : resolved) / entry.name, ec);
  };
  std::vector<std::string> names;
  for (const FolderEntry& entry : *entries) {
    if (kind != EntryKind::kAll && is_folder(entry) != (kind == EntryKind::kFolders)) continue;
    if (WildcardMatch(pattern, entry.name)) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return LessIgnoreCase(a, b); });
  return names;
}

std::string ExtractFilePath(std::string_view path) {
  const size_t cut = path.find_last_of("\\/:");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string ExtractFileName(std::string_view path) {
  const size_t cut = path.find_last_of("\\/:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ExecutablePath() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}

std::string ExecutableFolder() {
  return ExtractFilePath(ExecutablePath());
}

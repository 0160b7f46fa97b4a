#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// One entry of a folder as the folder's listing tells it: its name and its kind, where a
// symbolic link is a symlink and a kind the file system does not tell is `unknown` (both need a
// look at the entry itself to know what they stand for).
struct FolderEntry {
  std::string name;
  std::filesystem::file_type type;
};

// The entries of the folder in the order the file system gives them, without "." and "..";
// nothing when it cannot be listed (missing, not a folder, not readable). The empty path is the
// current folder.
std::optional<std::vector<FolderEntry>> ReadFolderEntries(const std::filesystem::path& folder);

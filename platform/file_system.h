#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Paths in this program are texts as the game and its tools write them: "\" or "/" between
// the parts, any letter case ("Missions\Campaign\RU\Tavrek\"). These functions take such a
// text, turn its separators into "/" and find each existing part without regard to case (an
// exact match first), so every file of the game and of a campaign is reached whatever case
// the text gives it. Parts that do not exist yet are kept as written.

std::filesystem::path ResolvePath(std::string_view path_text);

// The text names a path from the root of the file system, not from the current folder.
bool IsAbsolutePath(std::string_view path);
bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);
// One level, as the game's tools create folders; false when it could not be made.
bool CreateDir(std::string_view path);
// Every missing level of the folder.
bool ForceDirectories(std::string_view path);
bool DeleteFile(std::string_view path);
// Copies a file whole; false when the source is missing, the target exists and
// fail_if_exists is set, or the copy failed. The target is written through a temporary file
// and keeps the source's permissions.
bool CopyFile(std::string_view from, std::string_view to, bool fail_if_exists);
// As on Windows, a rename never replaces another file: false when the target exists, the
// source is missing or the move failed.
bool RenameFile(std::string_view from, std::string_view to);
// Moves a file over another in one step: the target, if any, is replaced. False when the move
// failed (the source is missing, or the two lie on different file systems).
bool MoveFileReplacing(std::string_view from, std::string_view to);
// Removes a folder with everything in it; false when something could not be removed.
bool DeleteFolder(std::string_view path);

// Names of the entries of a folder that match a wildcard pattern ("*.tavrek", "*"), without
// regard to case, sorted without regard to case (see LessIgnoreCase). Only files, only
// folders, or both. A missing folder lists nothing. "?" stands for one character, "*" for any
// run; a pattern ending in ".*" also takes names without an extension.
enum class EntryKind { kFiles, kFolders, kAll };
std::vector<std::string> ListDirectory(std::string_view folder, std::string_view pattern,
                                       EntryKind kind = EntryKind::kFiles);
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The folder and file-name parts of a path text; both separators count.
std::string ExtractFilePath(std::string_view path);  // up to and including the last "\", "/" or ":"
std::string ExtractFileName(std::string_view path);

// Full path of the running program and its folder (ending in a separator).
std::string ExecutablePath();
std::string ExecutableFolder();

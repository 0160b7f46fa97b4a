#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text files as the game and this program write them: 8-bit text (Windows-1252, kept as
// bytes), lines ended by CR LF (LF or a lone CR accepted on reading), a Ctrl-Z ending the
// text early.

// The whole file as bytes; throws FileError when it cannot be read.
std::string ReadFileBytes(std::string_view path);
// The file's text up to a Ctrl-Z, split into lines without their line ends; a UTF-8
// byte-order mark at its start is no part of the first line.
std::vector<std::string> ReadTextLines(std::string_view path);
std::vector<std::string> SplitTextLines(std::string_view text);

// Writes the file whole: the bytes go to a temporary file beside it, which then replaces the
// file, so a failure never leaves half a file behind. A file replaced keeps its permissions.
// Throws FileError on failure.
void WriteTextFile(std::string_view path, std::string_view content);
// The same, giving the file the permissions `mode` (those of a copy's source) when set.
void WriteFileWithMode(std::string_view path, std::string_view content,
                       std::optional<std::filesystem::perms> mode);

// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

inline constexpr std::string_view kCrLf = "\r\n";

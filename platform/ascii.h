#pragma once

#include <string>
#include <string_view>

// Letter-case helpers for the 8-bit texts of the game and its files. Only the ASCII letters
// change case, as with the file names the game itself uses.
char AsciiLower(char c);
char AsciiUpper(char c);
std::string AsciiLowerCase(std::string_view text);
std::string AsciiUpperCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Orders texts as a folder listing on the game's Windows file system comes back: compared in
// upper case (so "_" sorts after the letters), ties broken by the exact bytes so that the
// order is total.
bool LessIgnoreCase(std::string_view a, std::string_view b);

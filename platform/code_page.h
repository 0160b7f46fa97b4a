#pragma once

#include <string>
#include <string_view>

// Windows-1252, the code page of the game's texts and of this program's files. Texts stay in it
// everywhere inside the program; only the terminal sees UTF-8.

std::string Cp1252ToUtf8(std::string_view text);
// Characters the code page lacks become "?". Bytes that form no UTF-8 sequence are kept as they
// are, so text that already is Windows-1252 passes unchanged.
std::string Utf8ToCp1252(std::string_view text);
// The byte of one character, "?" when the code page lacks it.
char UnicodeToCp1252(char32_t code_point);

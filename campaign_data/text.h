#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Text helpers in the manner the data files and the game's texts need them. Positions and
// counts given as "column" are 1-based, as the fixed-column files number them.

std::string Trim(std::string_view text);  // blanks and control characters at both ends
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
// The same as Trim and TrimLeft, as a view into the text.
std::string_view TrimView(std::string_view text);
std::string_view TrimLeftView(std::string_view text);
bool Contains(std::string_view text, std::string_view part);
// True when any of the parts occurs in the text.
bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts);
bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);
// 1-based position of the first occurrence, 0 when absent (or when part is empty).
int Pos(std::string_view part, std::string_view text);
// `count` characters from 1-based `column`; what lies outside the text is left out.
std::string Copy(std::string_view text, int column, int count);
// The text after the first "=" (the whole text without one), cut to `limit` characters,
// trimmed.
std::string ValueAfterEquals(std::string_view line, std::size_t limit = 99);

// A whole number: optional blanks before it, an optional sign, digits. Anything else throws
// ConversionError with the text quoted.
int StrToInt(std::string_view text);
// The same, with a fallback in place of the error.
int StrToIntDef(std::string_view text, int fallback);
// A decimal number with "." as the separator; throws ConversionError.
double StrToFloat(std::string_view text);
std::string IntToStr(long long value);
// A number padded with zeros to at least `digits` digits ("007").
std::string ZeroPad(long long value, int digits);

#pragma once

#include <string>
#include <string_view>

// How the timetable reads one of its lines (timetable.tavrek): "yyyymmdd Command arguments",
// keywords and names found anywhere in the line, the value after its first "=".

inline constexpr int kNeverDue = 99999999;

// The date key of the line's first eight characters; kNeverDue for a comment ("//"), a
// header (holding "["), or a line that does not begin with eight digits.
int LineDate(std::string_view line);
// A date key yyyymmdd names a day of the calendar (months of 28, 30 or 31 days).
bool ValidDateKey(int key);

// The trimmed text after the first "=", at most `limit` characters.
std::string LineValue(std::string_view line, std::size_t limit = 99);
// The word stands in the line with a blank on each side; the end of the line counts as one.
bool NamesWord(std::string_view line, std::string_view word);
// The word followed by a blank stands in the line; the end of the line counts as a blank.
bool NamesWordAtEnd(std::string_view line, std::string_view word);
// The trimmed text after the first occurrence of `word`; empty when it does not occur.
std::string TextAfter(std::string_view line, std::string_view word, std::size_t limit = 99);

// A whole number; false (and `value` untouched) for anything else.
bool ReadWholeNumber(std::string_view text, int& value);

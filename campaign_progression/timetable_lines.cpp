#include "campaign_progression/timetable_lines.h"

#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

constexpr int kDateLength = 8;

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int DaysIn(int month) {
  if (month == 2) return 28;
  if (month == 4 || month == 6 || month == 9 || month == 11) return 30;
  return 31;
}

}  // namespace

int LineDate(std::string_view line) {
  if (StartsWith(line, "//") || Contains(line, "[")) return kNeverDue;
  const std::string_view date = line.substr(0, kDateLength);
  if (date.size() != kDateLength || !AllDigits(date)) return kNeverDue;
  return StrToInt(date);
}

bool ValidDateKey(int key) {
  const int year = key / 10000;
  const int month = key / 100 % 100;
  const int day = key % 100;
  return year > 0 && month >= 1 && month <= 12 && day >= 1 && day <= DaysIn(month);
}

std::string LineValue(std::string_view line, std::size_t limit) {
  const size_t at = line.find('=');
  if (at == std::string_view::npos) return std::string();
  return Trim(line.substr(at + 1, limit));
}

bool NamesWord(std::string_view line, std::string_view word) {
  if (Trim(word).empty()) return false;
  return Contains(std::string(line) + " ", " " + std::string(word) + " ");
}

bool NamesWordAtEnd(std::string_view line, std::string_view word) {
  if (Trim(word).empty()) return false;
  return Contains(std::string(line) + " ", std::string(word) + " ");
}

std::string TextAfter(std::string_view line, std::string_view word, std::size_t limit) {
  const size_t at = line.find(word);
  if (word.empty() || at == std::string_view::npos) return std::string();
  return Trim(line.substr(at + word.size(), limit));
}

bool ReadWholeNumber(std::string_view text, int& value) {
  try {
    value = StrToInt(Trim(text));
    return true;
  } catch (const ConversionError&) {
    return false;
  }
}

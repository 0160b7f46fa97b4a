#include "mission_results/event_log_names.h"

#include <array>
#include <string_view>

#include "app/main_form.h"
#include "platform/code_page.h"

namespace {

constexpr std::string_view kEscape = "\\u";
constexpr int kEscapeDigits = 4;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character of a UTF-16 code in the program's code page; control characters and codes
// the code page lacks become "?".
char CharacterOfCode(int code) {
  if (code < 0x20 || code == 0x7F) return '?';
  if (code < 0x80) return static_cast<char>(code);
  if (code >= 0xD800 && code <= 0xDFFF) return '?';
  return UnicodeToCp1252(static_cast<char32_t>(code));
}

// Replaces the first occurrence; false when there is none.
bool ReplaceFirst(std::string& text, std::string_view old_text, const std::string& new_text) {
  const size_t at = text.find(old_text);
  if (at == std::string::npos) return false;
  text.replace(at, old_text.size(), new_text);
  return true;
}

// The location suffixes in the order they are replaced, each by its [Locations] line.
constexpr std::array<std::string_view, 16> kLocationSuffixes = {
    "_Airfield", "_Airfield",  "_Factory_District",
    "_Rail",     "_Station",   "_Camp",
    "_Bridge",   "_Depot",     "_Sea",
    "_Ocean",    "_Bay",       "_Harbor",
    "_Port",     "_Beachhead", "_Beach",
    "_Dropzone"};
constexpr int kReplacementsPerSuffix = 31;

// A control character, or one that marks fields or sections in the roster files.
bool IsControlOrMarker(char c) {
  switch (c) {
    case '*':
    case '&':
    case '\\':
    case '^':
    case '@':
    case '#':
    case '[':
    case ']':
    case 0x7F:
      return true;
    default:
      return static_cast<unsigned char>(c) < 0x20;
  }
}

}  // namespace

std::string ConvertUnicode(TMainForm& form, const std::string& text) {
  (void)form;
  std::string converted = text;
  size_t from = 0;
  while ((from = converted.find(kEscape, from)) != std::string::npos) {
    const size_t digits_at = from + kEscape.size();
    const size_t available = std::min<size_t>(kEscapeDigits, converted.size() - digits_at);
    int code = 0;
    bool readable = available > 0;
    for (size_t i = 0; i < available && readable; ++i) {
      const int digit = HexValue(converted[digits_at + i]);
      readable = digit >= 0;
      code = code * 16 + digit;
    }
    if (!readable) {
      ++from;  // kept as it stands
      continue;
    }
    converted.replace(from, kEscape.size() + available, 1, CharacterOfCode(code));
    // The character may begin a new escape with what follows it, so look again from there.
  }
  return converted;
}

std::string FixPilotName(TMainForm& form, const std::string& name) {
  std::string fixed = name;
  FixPilotNameInPlace(form, fixed);
  return fixed;
}

void FixPilotNameInPlace(TMainForm& form, std::string& name) {
  if (name.find(kEscape) != std::string::npos) name = ConvertUnicode(form, name);
  for (char& c : name) {
    if (IsControlOrMarker(c)) c = '_';
  }
}

std::string TranslateLocation(TMainForm& form, const std::string& text,
                              const std::string& russian) {
  const bool in_russian = russian == "Yes";
  std::string translated = text;
  for (size_t row = 0; row < kLocationSuffixes.size(); ++row) {
    const int line = static_cast<int>(row);
    const std::string& word = in_russian ? form.Messages.TextRu(MessageSection::kLocations, line)
                                         : form.Messages.Text(MessageSection::kLocations, line);
    for (int time = 0; time < kReplacementsPerSuffix; ++time) {
      if (!ReplaceFirst(translated, kLocationSuffixes[row], word)) break;
    }
  }
  return translated;
}

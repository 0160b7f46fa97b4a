#include "campaign_data/text.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <optional>

#include "platform/errors.h"

namespace {

bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

[[noreturn]] void ThrowNotANumber(std::string_view text, const char* kind) {
  throw ConversionError("'" + Excerpt(text) + "' is not a valid " + kind + " value");
}

constexpr size_t kExcerptLength = 60;

}  // namespace

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptLength) return std::string(text);
  return std::string(text.substr(0, kExcerptLength)) + "...";
}

std::string_view TrimLeftView(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsTrimmed(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimView(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsTrimmed(text[end - 1])) --end;
  return TrimLeftView(text.substr(0, end));
}

std::string TrimLeft(std::string_view text) {
  return std::string(TrimLeftView(text));
}

std::string TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsTrimmed(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  return std::string(TrimView(text));
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) {
    if (Contains(text, part)) return true;
  }
  return false;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

int Pos(std::string_view part, std::string_view text) {
  if (part.empty()) return 0;
  const size_t found = text.find(part);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string Copy(std::string_view text, int column, int count) {
  if (column < 1) column = 1;
  if (count <= 0 || static_cast<size_t>(column) > text.size()) return std::string();
  return std::string(text.substr(static_cast<size_t>(column - 1), static_cast<size_t>(count)));
}

std::string ValueAfterEquals(std::string_view line, std::size_t limit) {
  const size_t equals = line.find('=');
  std::string_view value = equals == std::string_view::npos ? line : line.substr(equals + 1);
  return Trim(value.substr(0, limit));
}

namespace {

// The integer the whole text spells (blanks before it allowed), or nothing.
std::optional<int> ParseInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const size_t digits_start = i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    // Past every int either way: the rest only matters for being digits.
    if (value > 1LL + std::numeric_limits<int>::max()) value = 1LL << 40;
  }
  if (i == digits_start || i != text.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace

int StrToInt(std::string_view text) {
  const std::optional<int> value = ParseInt(text);
  if (!value) ThrowNotANumber(text, "integer");
  return *value;
}

int StrToIntDef(std::string_view text, int fallback) {
  return ParseInt(text).value_or(fallback);
}

double StrToFloat(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) ThrowNotANumber(text, "floating point");
  // Only digits, one sign, one "." and an exponent may appear.
  for (char c : trimmed) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      ThrowNotANumber(text, "floating point");
    }
  }
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE) {
    ThrowNotANumber(text, "floating point");
  }
  return value;
}

std::string IntToStr(long long value) {
  return std::to_string(value);
}

std::string ZeroPad(long long value, int digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

#include "campaign_progression/territory_file.h"

#include <array>
#include <charconv>

#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

constexpr std::string_view kAllied = "allied=";
constexpr std::string_view kAxis = "axis=";
constexpr size_t kValueLimit = 99;

// The text after the first `key`, at most 99 characters, trimmed.
std::string_view ValueAfter(std::string_view line, std::string_view key) {
  const size_t at = line.find(key);
  if (at == std::string_view::npos) {
    throw ConversionError("it has no \"" + std::string(key) + "\"");
  }
  return TrimView(line.substr(at + key.size(), kValueLimit));
}

int Troops(std::string_view text, std::string_view key) {
  try {
    return StrToInt(text);
  } catch (const ConversionError&) {
    throw ConversionError("the troops after \"" + std::string(key) + "\" are not a whole number");
  }
}

// As IntToStr writes it, without a text of its own.
void AppendNumber(std::string& text, int value) {
  std::array<char, 16> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  text.append(digits.data(), end);
}

}  // namespace

TerritoryRecord ParseTerritoryLine(std::string_view line) {
  if (TrimView(line).empty()) throw ConversionError("it is empty");
  TerritoryRecord record;
  const size_t blank = line.find(' ');
  record.name = line.substr(0, blank);
  const std::string_view owner =
      blank == std::string_view::npos ? std::string_view() : TrimView(line.substr(blank + 1, 1));
  if (owner != "0" && owner != "1" && owner != "2") {
    throw ConversionError("its owner is not 0, 1 or 2");
  }
  record.owner = owner.front();
  const std::string_view allied = ValueAfter(line, kAllied);
  record.allied = Troops(TrimView(allied.substr(0, allied.find(' '))), kAllied);
  record.axis = Troops(ValueAfter(line, kAxis), kAxis);
  return record;
}

void AppendTerritoryLine(std::string& text, const LocationEntry& location) {
  text.append(location.LocationName).append(" ").append(location.LocationArmy);
  AppendNumber(text.append(" allied="), location.TerritoryStrength[1]);
  AppendNumber(text.append(" axis="), location.TerritoryStrength[2]);
}

void AppendLocationsLine(std::string& text, const LocationEntry& location) {
  text.append(location.LocationName).append(" ").append(location.LocationArmy);
  text.append(" ").append(location.LocationPosition);
}

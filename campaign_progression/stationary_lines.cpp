#include "campaign_progression/stationary_lines.h"

#include <algorithm>
#include <array>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The object's fields: the line after its mark, trimmed.
std::string_view Fields(std::string_view line) {
  return TrimView(line.substr(std::min<size_t>(2, line.size())));
}

std::string WithMark(std::string_view mark, std::string_view line) {
  const std::string_view fields = Fields(line);
  std::string marked;
  marked.reserve(mark.size() + fields.size());
  marked.append(mark).append(fields);
  return marked;
}

// The word starting at or after `at`, which moves past it.
std::string_view NextWord(std::string_view text, size_t& at) {
  at = text.find_first_not_of(' ', at);
  if (at == std::string_view::npos) {
    at = text.size();
    return {};
  }
  const size_t end = std::min(text.find(' ', at), text.size());
  const std::string_view word = text.substr(at, end - at);
  at = end;
  return word;
}

// The supply trucks are "Stationary$" followed by one of these names and a blank.
constexpr std::string_view kStationary = "Stationary$";
constexpr std::array<std::string_view, 7> kTrucks{
    "StudebeckerTruck ", "ZIS5_PC ",      "Chevrolet_flatbed_US ", "DiamondT_US ",
    "Truck_Type94 ",     "OpelBlitz36S ", "OpelBlitz6700A "};

// The text after the word that starts at or after the start of `text`.
std::string_view AfterWord(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  const size_t end = text.find(' ', start);
  return end == std::string_view::npos ? std::string_view() : text.substr(end);
}

}  // namespace

ObjectFields ReadObjectFields(const std::string& line) {
  const std::string_view text = Fields(line);
  size_t at = 0;
  ObjectFields fields;
  NextWord(text, at);
  fields.class_name = NextWord(text, at);
  fields.side = NextWord(text, at).substr(0, 1);
  const std::string_view x = NextWord(text, at);
  const std::string_view y = NextWord(text, at);
  fields.position.reserve(x.size() + 1 + y.size());
  fields.position.append(x).append(" ").append(y);
  return fields;
}

std::string_view ObjectSide(std::string_view line) {
  const std::string_view text =
      AfterWord(AfterWord(TrimView(line.substr(std::min<size_t>(2, line.size())))));
  const size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : text.substr(start, 1);
}

bool IsInactiveLine(std::string_view line) {
  return StartsWith(line, "X ");
}

std::string ActivatedLine(const std::string& line) {
  return WithMark("  ", line);
}

std::string DeactivatedLine(const std::string& line) {
  return WithMark("X ", line);
}

bool IsSupplyTruckLine(std::string_view line) {
  // One search for the common "Stationary$", then the names at each place it was found.
  for (size_t at = line.find(kStationary); at != std::string_view::npos;
       at = line.find(kStationary, at + 1)) {
    const std::string_view name = line.substr(at + kStationary.size());
    for (const std::string_view truck : kTrucks) {
      if (name.starts_with(truck)) return true;
    }
  }
  return false;
}

bool IsFuelCarrierLine(std::string_view line) {
  return ContainsAny(line, {"Tanker", "Wagon8", "ZIS6_fuel", "OpelBlitz6700A_fuel"});
}

std::vector<std::string> ReadStationaryObjects(TMainForm& form) {
  const std::string path = form.CampaignFolder + "stationary.tavrek";
  if (!FileExists(path)) {
    const std::string message = "No stationary.tavrek file found.";
    ErrorLog(form, message);
    throw ProgramError(message + "\r\n");
  }
  std::vector<std::string> lines = ReadTextLines(path);
  if (!lines.empty()) lines.erase(lines.begin());
  while (!lines.empty() && Trim(lines.back()).empty()) lines.pop_back();
  if (lines.size() > static_cast<size_t>(StationaryObjectTableType::kCapacity)) {
    const std::string message =
        path + " holds " + IntToStr(lines.size()) + " objects, more than the " +
        IntToStr(StationaryObjectTableType::kCapacity) + " a campaign can hold; it is not checked.";
    ErrorLog(form, message);
    throw ProgramError(message);
  }
  return lines;
}

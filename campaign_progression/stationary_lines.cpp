#include "campaign_progression/stationary_lines.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

std::string Fields(const std::string& line) {
  return Trim(line.size() > 2 ? line.substr(2) : std::string());
}

// The word starting at or after `at`, which moves past it.
std::string NextWord(const std::string& text, size_t& at) {
  at = text.find_first_not_of(' ', at);
  if (at == std::string::npos) {
    at = text.size();
    return std::string();
  }
  const size_t end = std::min(text.find(' ', at), text.size());
  std::string word = text.substr(at, end - at);
  at = end;
  return word;
}

}  // namespace

ObjectFields ReadObjectFields(const std::string& line) {
  const std::string text = Fields(line);
  size_t at = 0;
  ObjectFields fields;
  NextWord(text, at);
  fields.class_name = NextWord(text, at);
  fields.side = NextWord(text, at).substr(0, 1);
  const std::string x = NextWord(text, at);
  const std::string y = NextWord(text, at);
  fields.position = x + " " + y;
  return fields;
}

bool IsInactiveLine(const std::string& line) {
  return StartsWith(line, "X ");
}

std::string ActivatedLine(const std::string& line) {
  return "  " + Fields(line);
}

std::string DeactivatedLine(const std::string& line) {
  return "X " + Fields(line);
}

bool IsSupplyTruckLine(const std::string& line) {
  return ContainsAny(
      line, {"Stationary$StudebeckerTruck ", "Stationary$ZIS5_PC ",
             "Stationary$Chevrolet_flatbed_US ", "Stationary$DiamondT_US ",
             "Stationary$Truck_Type94 ", "Stationary$OpelBlitz36S ", "Stationary$OpelBlitz6700A "});
}

bool IsFuelCarrierLine(const std::string& line) {
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

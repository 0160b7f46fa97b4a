#include "campaign_data/stationary_file.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/nearest_location.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_end.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kHeader = "[NStationary]";
constexpr std::string_view kFileName = "stationary.tavrek";

std::string StationaryFilePath(const TMainForm& form) {
  return form.CampaignFolder + std::string(kFileName);
}

// The object lines of the file, the header left out. A missing file is an error.
std::vector<std::string> ReadObjectLines(TMainForm& form) {
  const std::string path = StationaryFilePath(form);
  if (!FileExists(path)) {
    const std::string message = "No stationary.tavrek file found.";
    ErrorLog(form, message);
    throw ProgramError(message + "\r\n");
  }
  std::vector<std::string> lines = ReadTextLines(path);
  if (!lines.empty()) lines.erase(lines.begin());
  if (lines.size() > static_cast<size_t>(kStationaryCapacity)) {
    const std::string message = "stationary.tavrek holds " + IntToStr(lines.size()) +
                                " objects, more than the " + IntToStr(kStationaryCapacity) +
                                " a campaign can hold; it is not loaded.";
    ErrorLog(form, message);
    throw ProgramError(message);
  }
  return lines;
}

// The text after the first word, trimmed; nothing when the text is one word.
std::string_view DropWord(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {};
  text.remove_prefix(blank + 1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

std::string_view FirstWord(std::string_view text) {
  return text.substr(0, text.find(' '));
}

// What the program reads of an object line: words 3 to 5 after the mark (army, x, y).
struct ObjectFields {
  bool has_position = false;  // at least four words
  std::string army;
  std::string position;
};

ObjectFields ReadObjectFields(const std::string& line) {
  const std::string text = Trim(Copy(line, 3, static_cast<int>(line.size())));
  std::string_view rest = DropWord(DropWord(text));
  ObjectFields fields;
  fields.army = rest.substr(0, 1);
  rest = DropWord(rest);
  fields.has_position = !rest.empty();
  const std::string_view x = FirstWord(rest);
  const std::string_view y = FirstWord(DropWord(rest));
  fields.position = std::string(x) + " " + std::string(y);
  return fields;
}

void StopWithoutFrontCenter(TMainForm& form, bool end_campaign) {
  const std::string message = form.Messages.Text(MessageSection::kErrors, 0);
  if (end_campaign) {
    CampaignEnd(form, message);
  } else {
    ErrorLog(form, message);
  }
  ErrorTrap(form, message);
}

}  // namespace

void LoadStationary(TMainForm& form) {
  ErrorLog(form, "Stationary Objects Check.");
  if (form.FrontCenterCoord == -1) StopWithoutFrontCenter(form, true);
  if (form.FrontCenterPosition.empty()) TargetLocations(form);
  const std::vector<std::string> lines = ReadObjectLines(form);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    StationaryEntry& object = form.StationaryObjectTable[i];
    const ObjectFields fields = ReadObjectFields(lines[i]);
    object.StationaryLine = lines[i];
    object.StationaryArmy = fields.army;
    object.StationaryPosition = fields.position;
    object.StationaryMissionLine.clear();
  }
  form.LastStationary = static_cast<int>(lines.size()) - 1;
  form.InitialStationary = form.LastStationary;
}

void StationaryList(TMainForm& form) {
  ErrorLog(form, "Checking Stationary List");
  if (form.FrontCenterCoord == -1) StopWithoutFrontCenter(form, false);
  form.StationaryObjectTable.ForEachEntry(
      [](StationaryEntry& object) { object.StationaryNearestLocation = 0; });
  if (form.LastLocation == 0) {
    const std::string message = form.Messages.Text(MessageSection::kErrors, 1);
    ErrorLog(form, message);
    throw ProgramError(message);
  }
  const std::vector<std::string> lines = ReadObjectLines(form);
  form.LastStationary = -1;
  const NearestLocationIndex locations(form.LocationTable, form.LastLocation, "Beachhead");
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const ObjectFields fields = ReadObjectFields(lines[i]);
    form.StationaryObjectTable[i].StationaryNearestLocation =
        fields.has_position ? locations.Nearest(fields.position) : -1;
  }
  form.LastStationary = static_cast<int>(lines.size()) - 1;
  form.InitialStationary = form.LastStationary;
}

void SaveStationary(TMainForm& form) {
  const std::string path = StationaryFilePath(form);
  if (!FileExists(path)) return;
  if (form.InitialStationary < 0) {
    // Nothing was loaded: a file that holds objects must not lose them.
    if (ReadTextLines(path).size() > 1) {
      const std::string message = "No Stationary Objects are present.";
      ErrorLog(form, message);
      throw ProgramError(message);
    }
    return;
  }
  std::string content = std::string(kHeader) + std::string(kCrLf);
  for (int i = 0; i <= form.InitialStationary; ++i) {
    content += form.StationaryObjectTable[i].StationaryLine;
    content += kCrLf;
  }
  WriteTextFile(path, content);
}

void StationaryReset(TMainForm& form) {
  if (!FileExists(StationaryFilePath(form))) return;
  const std::vector<std::string> lines = ReadObjectLines(form);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    form.StationaryObjectTable[i].StationaryLine =
        "  " + Trim(Copy(lines[i], 3, static_cast<int>(lines[i].size())));
  }
  form.LastStationary = static_cast<int>(lines.size()) - 1;
  form.InitialStationary = form.LastStationary;
}

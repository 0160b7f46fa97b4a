#include "campaign_data/stationary_file.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
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

// The lines of the file, the header first. A missing file is an error.
std::shared_ptr<const TextLines> ReadStationaryFile(TMainForm& form) {
  const std::string path = StationaryFilePath(form);
  if (!FileExists(path)) {
    const std::string message = "No stationary.tavrek file found.";
    ErrorLog(form, message);
    throw ProgramError(message + "\r\n");
  }
  InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
  const std::shared_ptr<const TextLines>& lines = file.text;
  if (lines->size() > static_cast<size_t>(kStationaryCapacity) + 1) {
    const std::string message = "stationary.tavrek holds " + IntToStr(lines->size() - 1) +
                                " objects, more than the " + IntToStr(kStationaryCapacity) +
                                " a campaign can hold; it is not loaded.";
    ErrorLog(form, message);
    file.report.Add("it was refused whole: " + message);
    form.StationaryFileRead = LoadedFile{path, std::move(file.report)};
    throw ProgramError(message);
  }
  if (!file.report.WholeAndClean()) {
    ErrorLog(form, "stationary.tavrek was not read whole: " + file.report.Faults() + ".");
  }
  form.StationaryFileRead = LoadedFile{path, std::move(file.report)};
  return std::move(file.text);
}

// The object lines: every line after the header.
class ObjectLines {
 public:
  explicit ObjectLines(TMainForm& form) : file_(ReadStationaryFile(form)) {}
  int size() const { return file_->empty() ? 0 : static_cast<int>(file_->size()) - 1; }
  std::string_view operator[](int object) const {
    return (*file_)[static_cast<size_t>(object) + 1];
  }

 private:
  std::shared_ptr<const TextLines> file_;
};

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
  std::string_view army;
  std::string_view x;
  std::string_view y;
  // "x y" into `position`, whose storage is used again.
  void WritePosition(std::string& position) const { position.assign(x).append(" ").append(y); }
};

ObjectFields ReadObjectFields(std::string_view line) {
  const std::string_view text = TrimView(line.substr(std::min<size_t>(2, line.size())));
  std::string_view rest = DropWord(DropWord(text));
  ObjectFields fields;
  fields.army = rest.substr(0, 1);
  rest = DropWord(rest);
  fields.has_position = !rest.empty();
  fields.x = FirstWord(rest);
  fields.y = FirstWord(DropWord(rest));
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
  const ObjectLines lines(form);
  for (int i = 0; i < lines.size(); ++i) {
    StationaryEntry& object = form.StationaryObjectTable[i];
    const ObjectFields fields = ReadObjectFields(lines[i]);
    object.StationaryLine = lines[i];
    object.StationaryArmy = fields.army;
    fields.WritePosition(object.StationaryPosition);
    object.StationaryMissionLine.clear();
  }
  form.LastStationary = lines.size() - 1;
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
  const ObjectLines lines(form);
  form.LastStationary = -1;
  const NearestLocationIndex locations(form.LocationTable, form.LastLocation, "Beachhead");
  std::string position;
  for (int i = 0; i < lines.size(); ++i) {
    const ObjectFields fields = ReadObjectFields(lines[i]);
    try {
      int nearest = -1;
      if (fields.has_position) {
        fields.WritePosition(position);
        nearest = locations.Nearest(position);
      }
      form.StationaryObjectTable[i].StationaryNearestLocation = nearest;
    } catch (const ConversionError& error) {
      // The header is line 1 of the file.
      const std::string message = std::string(kFileName) + " line " + IntToStr(i + 2) + " (\"" +
                                  Excerpt(lines[i]) + "\"): " + error.what();
      ErrorLog(form, message);
      throw ConversionError(message);
    }
  }
  form.LastStationary = lines.size() - 1;
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
  const StationaryObjectTableType& objects = form.StationaryObjectTable;
  size_t size = kHeader.size() + kCrLf.size();
  for (int i = 0; i <= form.InitialStationary; ++i) {
    size += objects[i].StationaryLine.size() + kCrLf.size();
  }
  std::string content;
  content.reserve(size);
  content.append(kHeader).append(kCrLf);
  for (int i = 0; i <= form.InitialStationary; ++i) {
    content += objects[i].StationaryLine;
    content += kCrLf;
  }
  KeepDamagedOriginal(form, form.StationaryFileRead, path);
  WriteTextFile(path, content);
}

void StationaryReset(TMainForm& form) {
  if (!FileExists(StationaryFilePath(form))) return;
  const ObjectLines lines(form);
  for (int i = 0; i < lines.size(); ++i) {
    form.StationaryObjectTable[i].StationaryLine =
        "  " + Trim(Copy(lines[i], 3, static_cast<int>(lines[i].size())));
  }
  form.LastStationary = lines.size() - 1;
  form.InitialStationary = form.LastStationary;
}

#include "campaign_progression/territory.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/front_markers.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/territory_file.h"
#include "campaign_progression/territory_owners.h"
#include "campaign_progression/troop_cap.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kMismatchesLogged = 10;

std::string TerritoryPath(const TMainForm& form) {
  return form.CampaignFolder + "territory.tavrek";
}

std::string LocationsPath(const TMainForm& form) {
  return form.CampaignFolder + "locations.tavrek";
}

void WriteTerritoryFiles(TMainForm& form) {
  // Without a campaign the paths would name the working folder.
  if (form.CampaignFolder.empty()) {
    ErrorLog(form, "No campaign folder: the territory files are not written.");
    return;
  }
  std::string territory;
  std::string locations;
  // A line holds the name and the owner and, besides, two counts or a position.
  constexpr size_t kLineBeyondName = 48;
  size_t names = 0;
  for (int i = 0; i <= form.LastLocation; ++i) {
    names += std::as_const(form.LocationTable)[i].LocationName.size() + kLineBeyondName;
  }
  territory.reserve(names);
  locations.reserve(names);
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    AppendTerritoryLine(territory, location);
    territory += kCrLf;
    AppendLocationsLine(locations, location);
    locations += kCrLf;
  }
  WriteTextFile(TerritoryPath(form), territory);
  WriteTextFile(LocationsPath(form), locations);
}

bool SetOwners(TMainForm& form, int mode) {
  ErrorLog(form, "Set Target Nation Began.");
  const bool rebuilt = mode != 1 || RebuildOwnersFromFront(form);
  if (rebuilt) DeriveOwners(form);
  ErrorLog(form, "Set Target Nation Ended.");
  return rebuilt;
}

// A campaign without a territory file gets one built from its front.
void RebuildTerritoryFile(TMainForm& form) {
  if (!SetOwners(form, 1)) return;
  // A map without locations has nothing to load: writing the empty files here keeps the
  // writer's loading step from asking for the file again.
  if (form.LastLocation < 0) {
    WriteTerritoryFiles(form);
    return;
  }
  DefineTerritory(form);
}

// Every line the locations have, checked before any of them is applied; the records view
// `lines`.
std::vector<TerritoryRecord> ReadTerritoryRecords(TMainForm& form, const std::string& path,
                                                  const TextLines& lines) {
  size_t count = lines.size();
  while (count > 0 && TrimView(lines[count - 1]).empty()) --count;
  const size_t locations = static_cast<size_t>(std::max(form.LastLocation + 1, 0));
  if (count > locations) {
    ErrorLog(form, path + " holds " + IntToStr(count) + " lines for " + IntToStr(locations) +
                       " locations; the lines after line " + IntToStr(locations) + " are ignored.");
    count = locations;
  }
  std::vector<TerritoryRecord> records;
  records.reserve(count);
  int mismatches = 0;
  for (size_t k = 0; k < count; ++k) {
    try {
      records.push_back(ParseTerritoryLine(lines[k]));
    } catch (const ConversionError& error) {
      const std::string message = path + ", line " + IntToStr(k + 1) + ": \"" +
                                  std::string(lines[k]) + "\" cannot be read: " + error.what() +
                                  ". The territory is left as it was.";
      ErrorLog(form, message);
      throw ProgramError(message);
    }
    const std::string& place = std::as_const(form.LocationTable)[static_cast<int>(k)].LocationName;
    if (records.back().name == place) continue;
    if (++mismatches <= kMismatchesLogged) {
      ErrorLog(form, path + ", line " + IntToStr(k + 1) + " names " +
                         std::string(records.back().name) + " but belongs to location " +
                         IntToStr(k) + ", " + place + "; the line is applied to " + place + ".");
    }
  }
  if (mismatches > kMismatchesLogged) {
    ErrorLog(form,
             path + ": " + IntToStr(mismatches) + " lines name another place than their location.");
  }
  return records;
}

}  // namespace

void ReadTerritory(TMainForm& form) {
  const std::string path = TerritoryPath(form);
  form.FrontMarkerText = std::string(kFrontMarkerHeader);
  if (!FileExists(path)) RebuildTerritoryFile(form);
  TextLines lines;
  std::vector<TerritoryRecord> records;
  if (FileExists(path)) {
    lines = ReadTextLineViews(path);
    records = ReadTerritoryRecords(form, path, lines);
  }
  const int cap = TroopCap(form);

  FrontMarkers markers;
  markers.Reserve(records.size());
  for (size_t k = 0; k < records.size(); ++k) {
    const TerritoryRecord& record = records[k];
    LocationEntry& location = form.LocationTable[static_cast<int>(k)];
    location.LocationArmy.assign(1, record.owner);
    location.TerritoryStrength[1] = std::min(record.allied, cap);
    location.TerritoryStrength[2] = std::min(record.axis, cap);
    markers.AddLocation(location);
  }
  markers.AddPatrolAreas(form.PatrolText);
  form.FrontMarkerText = form.GameID == "IL2" ? std::string() : markers.TakeText();
  ErrorLog(form, "Read Territory information.");
}

void SetTgtNation(TMainForm& form, int mode) {
  SetOwners(form, mode);
}

void DefineTerritory(TMainForm& form) {
  if (form.LastLocation < 0) {
    CampaignInfo(form);
    MapList(form, form.MapName);
    TargetLocations(form);
    if (form.LastLocation < 0) {
      WriteTerritoryFiles(form);
      return;
    }
    ReadTerritory(form);
    SetTgtNation(form, 0);
  }
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    if (IsNonLandLocation(location.LocationName)) location.TerritoryStrength = {0, 0, 0};
  }
  WriteTerritoryFiles(form);
}

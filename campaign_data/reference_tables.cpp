#include "campaign_data/reference_tables.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// Logs the missing file and stops the operation; the tables keep what they held.
[[noreturn]] void RaiseMissingFile(TMainForm& form, const std::string& message,
                                   const std::string& exception_text) {
  ErrorLog(form, message);
  throw ProgramError(exception_text);
}

void LogOverCapacity(TMainForm& form, const std::string& file_name, int capacity,
                     const std::string& what) {
  ErrorLog(form, file_name + " holds more than " + IntToStr(capacity) + " " + what +
                     "; only the first " + IntToStr(capacity) + " are loaded.");
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> choices) {
  return std::find(choices.begin(), choices.end(), text) != choices.end();
}

constexpr std::pair<std::string_view, std::string_view> kMapAxes[] = {
    {"norway", "South"},         {"ardennes", "East"},    {"nweurope", "East"},
    {"newguinea", "North"},      {"torch", "East"},       {"coralsea", "North"},
    {"crimea41", "North"},       {"marianas", "East"},    {"normandy", "South"},
    {"marianas_online", "East"}, {"normandy1", "South"},  {"tarawa", "East"},
    {"singapore", "North"},      {"palau", "North"},      {"burma", "South"},
    {"okinawa", "East"},         {"singapore1", "North"}, {"japan1", "North"},
};

constexpr std::pair<std::string_view, std::string_view> kMapAreas[] = {
    {"crimea", "Crimea"},
    {"crimea41", "Crimea"},
    {"balaton", "Balaton"},
    {"kuban", "Kuban"},
    {"kursk", "Kursk"},
    {"prokhorovka", "Prokhorovka"},
    {"berlin", "Berlin"},
    {"finsgulf", "Leningrad"},
    {"lviv", "Lvov"},
    {"netmountains", "the Mountains"},
    {"net5summer", "the Gulf of Finland"},
    {"net7islands", "the Mediterranean Islands"},
    {"net8islands", "the Pacific Islands"},
    {"sandsoftime", "Libya"},
    {"torch", "Morrocco"},
    {"moscow", "Moscow"},
    {"kiev", "Kiev"},
    {"normandy", "Normandy"},
    {"normandy1", "Normandy"},
    {"ardennes", "Ardennes"},
    {"nweurope", "North-West Europe"},
    {"neeurope", "North-East Europe"},
    {"stgrad", "Stalingrad"},
    {"kurland", "Kurland"},
    {"kurland_online", "Kurland"},
    {"murmansk", "Murmansk"},
    {"norway", "Norway"},
    {"smolensk", "Smolensk"},
    {"net1summer", "the Summer Map"},
    {"net2summer", "the Summer Map"},
    {"guadal", "Guadalcanal"},
    {"guadal43", "Guadalcanal"},
    {"newguinea", "New Guinea"},
    {"singapore", "Singapore"},
    {"singapore1", "Singapore"},
    {"burma", "Burma"},
    {"coralsea", "Coral Sea"},
    {"midway", "Midway"},
    {"hawaii", "the Hawaiian Islands"},
    {"wake", "Wake"},
    {"tarawa", "Tarawa Atoll"},
    {"marianas", "the Marianas Islands"},
    {"marianas_online", "the Marianas Islands"},
    {"palau", "Palau Islands"},
    {"iwo", "Iwo Jima"},
    {"okinawa", "Okinawa"},
    {"japan1", "the Japanese Mainland"},
};

void SetNationCodes(TMainForm& form, const std::string& map_name) {
  form.AlliedID = 0;
  form.AxisID = 1;
  if (IsOneOf(map_name, {"Singapore", "Singapore1", "Tarawa", "Midway", "NewGuinea", "Burma",
                         "Guadal", "Guadal43", "Japan1", "Hawaii", "Marianas", "Marianas_Online",
                         "Iwo", "Net8Islands", "CoralSea", "Wake", "Palau", "Okinawa"})) {
    form.AxisID = 11;
  }
  if (IsOneOf(map_name, {"Lviv", "Stgrad", "FinsGulf", "Smolensk", "Kuban", "Crimea", "Crimea41",
                         "Kursk", "Kurland", "Moscow", "Prokhorovka", "Net2Summer"})) {
    form.AlliedID = 14;
    form.AxisID = 8;
  }
}

// The keys of the map's own section of maps.tavrek.
void ReadMapSection(TMainForm& form, const std::vector<std::string>& lines,
                    const std::string& map_name) {
  const std::string section = "[" + Trim(map_name) + "]";
  bool inside = false;
  for (const std::string& line : lines) {
    if (Contains(line, "[")) {
      inside = Contains(line, section);
      continue;
    }
    if (!inside) continue;
    if (Contains(line, "Load=")) {
      form.MapLoadPath = ValueAfterEquals(line);
      // A load path without a folder part keeps the map's own name as its title, so the
      // rules keyed by map title still apply.
      const int slash = Pos("/", form.MapLoadPath);
      if (slash > 0) form.MapTitle = Copy(form.MapLoadPath, 1, slash - 1);
    }
    if (Contains(line, "MapAxis=")) form.MapAxis = ValueAfterEquals(line);
    if (Contains(line, "AlliedID=")) form.AlliedID = StrToIntDef(ValueAfterEquals(line), 0);
    if (Contains(line, "AxisID=")) form.AxisID = StrToIntDef(ValueAfterEquals(line), 1);
    if (Contains(line, "Description=")) form.MapDescription = ValueAfterEquals(line, 999);
  }
}

std::string MapSeasonOf(const TMainForm& form, const std::string& map_name) {
  for (std::string_view marker :
       {"Winter", "wload", "load_w", "Stgrad/load", "Moscow/load", "Murmansk"}) {
    if (Contains(form.MapLoadPath, marker)) return "Winter";
  }
  if (map_name == "Murmansk" || Contains(map_name, "Winter")) return "Winter";
  const bool winter_month =
      form.CampaignMonth == 1 || form.CampaignMonth == 2 || form.CampaignMonth == 12;
  if (winter_month &&
      IsOneOf(map_name, {"Stgrad", "FinsGulf", "Kurland", "Moscow", "Ardennes", "Balaton"})) {
    return "Winter";
  }
  return "Summer";
}

// Column of gobjects.tavrek that tells whether the edition has the object; 0 for none.
int AvailabilityColumn(const std::string& game_id) {
  static constexpr std::array<std::pair<std::string_view, int>, 6> kColumns{
      {{"IL2", 57}, {"IL2FB", 59}, {"AEP", 61}, {"PF", 63}, {"PFm", 65}, {"PE2", 67}}};
  for (const auto& [edition, column] : kColumns) {
    if (game_id == edition) return column;
  }
  return 0;
}

}  // namespace

std::string ReferenceFilePath(const TMainForm& form, const std::string& file_name) {
  if (!form.CampaignDataFolder.empty() && FileExists(form.CampaignDataFolder + file_name)) {
    return form.CampaignDataFolder + file_name;
  }
  return form.ProgramFolder + "data\\" + file_name;
}

std::string ExistingReferenceFile(const TMainForm& form, const std::string& file_name) {
  std::string path = ReferenceFilePath(form, file_name);
  return FileExists(path) ? path : std::string();
}

void ArmorList(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "armor.tavrek");
  if (!FileExists(path)) RaiseMissingFile(form, "No armor.tavrek found.", "No armor.tavrek found.");
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  int last = -1;
  for (const std::string_view line : *lines) {
    if (last + 1 >= kArmorCapacity) {
      LogOverCapacity(form, "armor.tavrek", kArmorCapacity, "vehicle types");
      break;
    }
    ArmorEntry& entry = form.ArmorTable[++last];
    entry.ArmorName = Trim(Copy(line, 1, 18));
    entry.ArmorArmy = Copy(line, 19, 1);
    entry.ArmorServiceStart = Copy(line, 21, 6);
    entry.ArmorServiceEnd = Copy(line, 28, 6);
    entry.ArmorUpgrade = Trim(Copy(line, 34, 18));
    entry.ArmorValueA = StrToIntDef(Copy(line, 53, 2), 10);
    entry.ArmorValueB = StrToIntDef(Copy(line, 56, 2), 10);
  }
  form.LastArmor = last;
}

void LoadShipInfo(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "shipnames.tavrek");
  if (!FileExists(path)) {
    RaiseMissingFile(form, "No ship names file found.", "No ship names file found.\r\n");
  }
  const std::vector<std::string> lines = ReadTextLines(path);
  // Classes and names of an earlier file must not outlive it; the campaign's count of names
  // already given stays.
  form.ShipNameTable.ForEachEntry([](ShipClassEntry& entry) {
    entry.ShipClass.clear();
    entry.ShipName.fill(std::string());
  });
  int ship_class = -1;
  int name = -1;
  for (const std::string& line : lines) {
    if (Contains(line, "[")) {
      if (ship_class + 1 >= kShipClassCapacity) {
        LogOverCapacity(form, "shipnames.tavrek", kShipClassCapacity, "ship classes");
        break;
      }
      std::string class_text = line;
      class_text.erase(class_text.find('['), 1);
      const size_t close = class_text.find(']');
      if (close != std::string::npos) class_text.erase(close, 1);
      form.ShipNameTable[++ship_class].ShipClass = class_text;
      name = -1;
      continue;
    }
    ++name;
    if (ship_class < 0) {
      ErrorLog(form, "shipnames.tavrek: the name \"" + Trim(line) +
                         "\" stands before the first ship class and is ignored.");
      continue;
    }
    if (name >= kShipNamesPerClass) {
      if (name == kShipNamesPerClass) {
        ErrorLog(form, "shipnames.tavrek: the class \"" + form.ShipNameTable[ship_class].ShipClass +
                           "\" has more than 14 names; the rest are ignored.");
      }
      continue;
    }
    form.ShipNameTable[ship_class].ShipName[name] = Trim(line);
  }
  ErrorLog(form, "Ship Info processed.");
}

void InitializeGroundUnits(TMainForm& form) {
  const std::string path = ReferenceFilePath(form, "gobjects.tavrek");
  if (!FileExists(path)) {
    RaiseMissingFile(form, "No gobjects.tavrek found.", "No gobjects.tavrek found.");
  }
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  // The users scan all entries, so nothing of an earlier, longer file may stay behind.
  form.GroundObjectTypeTable.Clear();
  const int column = AvailabilityColumn(form.GameID);
  int index = 0;
  for (const std::string_view line : *lines) {
    if (index >= kGroundObjectTypeCapacity) {
      LogOverCapacity(form, "gobjects.tavrek", kGroundObjectTypeCapacity, "object types");
      break;
    }
    GroundObjectTypeEntry& entry = form.GroundObjectTypeTable[index++];
    entry.GroundObjectName = Trim(Copy(line, 1, 54));
    entry.GroundObjectField2 = Trim(Copy(line, 69, 54));
    entry.GroundObjectAvailable = "0";
    if (form.GameID == "1946") {
      entry.GroundObjectAvailable = "1";
    } else if (column > 0 && static_cast<int>(line.size()) >= column) {
      entry.GroundObjectAvailable = Copy(line, column, 1);
    }
  }
}

void MapList(TMainForm& form, const std::string& map_name) {
  const std::string path = ReferenceFilePath(form, "maps.tavrek");
  if (!FileExists(path)) RaiseMissingFile(form, "No maps.tavrek found.", "No maps.tavrek found.");
  const std::vector<std::string> lines = ReadTextLines(path);
  GetAxis(form, map_name);
  FindCampaignArea(form, map_name);
  SetNationCodes(form, map_name);
  form.MapLoadPath = "None";
  form.MapTitle = map_name;
  ReadMapSection(form, lines, map_name);
  form.MapSeason = MapSeasonOf(form, map_name);
}

void GetAxis(TMainForm& form, const std::string& map_name) {
  form.MapAxis = "West";
  const std::string key = AsciiLowerCase(map_name);
  for (const auto& [map, axis] : kMapAxes) {
    if (key == map) form.MapAxis = std::string(axis);
  }
}

void FindCampaignArea(TMainForm& form, const std::string& map_name) {
  const std::string key = AsciiLowerCase(map_name);
  for (const auto& [map, area] : kMapAreas) {
    if (key == map) form.MapDescription = std::string(area);
  }
}

void FrontObjects(TMainForm& form) {
  // A battle without front objects has none, whatever an earlier battle had.
  form.FrontObjectTable.Clear();
  const std::string path = ReferenceFilePath(form, "fobjects.tavrek");
  if (!FileExists(path)) return;
  static constexpr std::array<std::pair<std::string_view, int>, 6> kKeys{{{"Allied1=", 5},
                                                                          {"Allied2=", 6},
                                                                          {"Allied3=", 7},
                                                                          {"Axis1=", 9},
                                                                          {"Axis2=", 10},
                                                                          {"Axis3=", 11}}};
  const std::string battle = Trim(form.BattleName);
  bool inside = false;
  const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
  for (const std::string_view line : *lines) {
    if (Contains(line, "[")) {
      inside = Trim(Copy(line, 2, static_cast<int>(line.size()) - 2)) == battle;
      continue;
    }
    if (!inside) continue;
    for (const auto& [key, entry] : kKeys) {
      if (Contains(line, key)) form.FrontObjectTable[entry] = ValueAfterEquals(line);
    }
  }
}

void GetActivePlanes(TMainForm& form) {
  const std::string skins = form.GameFolder + "PaintSchemes\\Skins\\";
  if (form.GameFolder.empty() || !DirectoryExists(skins)) {
    for (int i = 0; i <= form.LastAircraftClass; ++i) {
      form.ActivePlaneList[i] = form.AircraftClassTable[i].ClassGameName;
    }
    form.LastActivePlane = form.LastAircraftClass;
    return;
  }
  int last = -1;
  for (const std::string& folder : ListDirectory(skins, "*", EntryKind::kFolders)) {
    if (folder == "." || folder == "..") continue;
    if (last + 1 >= kActivePlaneCapacity) {
      LogOverCapacity(form, skins, kActivePlaneCapacity, "aircraft folders");
      break;
    }
    std::string plane = AsciiLowerCase(folder);
    if (plane == "bf-109e-4_b") plane = "bf-109e-4/b";
    form.ActivePlaneList[++last] = plane;
  }
  form.LastActivePlane = last;
}

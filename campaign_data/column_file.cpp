#include "campaign_data/column_file.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/damaged_files.h"
#include "campaign_data/file_read_report.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "campaign_progression/oil_supplies.h"
#include "campaign_progression/transports.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr std::string_view kFileName = "columns.tavrek";
constexpr int kNamedShipClasses = 129;  // ship classes 0..128 name ships
constexpr int kPatrolEntries = 12;

// Places where no column can stand: the column is taken off the map.
constexpr std::array<std::string_view, 18> kClosedPlaces{"Future",
                                                         "the_English_Channel",
                                                         "English_Depot",
                                                         "Rabaul",
                                                         "Saipan",
                                                         "Battleship_Row",
                                                         "Kyushu",
                                                         "Iwo_Jima_Beach",
                                                         "Kure_Atoll",
                                                         "Kure",
                                                         "Midway",
                                                         "Guam",
                                                         "Palau",
                                                         "Wake",
                                                         "Tarawa_Atoll",
                                                         "Rabaul_Airfield",
                                                         "Townsville_Airfield",
                                                         "Okinawa"};
constexpr std::array<std::string_view, 3> kClosedPlaceParts{"English_", "Somerton", "Beachhead"};

std::string ColumnFilePath(const TMainForm& form) {
  return form.CampaignFolder + std::string(kFileName);
}

bool IsShip(const ColumnEntry& column) {
  return Contains(column.ColumnType, "Ship");
}
bool IsTrain(const ColumnEntry& column) {
  return Contains(column.ColumnType, "Train");
}
bool IsBlank(const ColumnEntry& column) {
  return column.ColumnPlace == "Blank";
}
bool IsSunk(const ColumnEntry& column) {
  return AsciiLowerCase(column.ColumnUnitName) == "sunk";
}

// 1 or 2 for the two sides, 0 for anything else.
int ArmyNumber(const std::string& army) {
  if (army == "1") return 1;
  if (army == "2") return 2;
  return 0;
}

std::string FirstWord(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::string();
  text.remove_prefix(start);
  return std::string(text.substr(0, text.find(' ')));
}

// The n-th word (from 1) of the text, words separated by blanks.
std::string Word(std::string_view text, int n) {
  size_t at = 0;
  for (int word = 1;; ++word) {
    at = text.find_first_not_of(' ', at);
    if (at == std::string_view::npos) return std::string();
    const size_t end = std::min(text.find(' ', at), text.size());
    if (word == n) return std::string(text.substr(at, end - at));
    at = end;
  }
}

std::string TextAfter(std::string_view text, char mark) {
  const size_t at = text.find(mark);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(at + 1));
}

// A ship without a name takes the next free name of the first ship class in its type.
std::string NextShipName(TMainForm& form, const std::string& column_type) {
  for (int ship_class = 0; ship_class < kNamedShipClasses; ++ship_class) {
    ShipClassEntry& ships = form.ShipNameTable[ship_class];
    if (ships.ShipClass.empty() || !Contains(column_type, ships.ShipClass)) continue;
    if (ships.ShipNameNext < 0 || ships.ShipNameNext >= kShipNamesPerClass) continue;
    const std::string& name = ships.ShipName[static_cast<size_t>(ships.ShipNameNext)];
    if (name.size() <= 2) continue;
    ++ships.ShipNameNext;
    return name;
  }
  return std::string();
}

std::string UnitName(TMainForm& form, const std::string& line, const std::string& column_type) {
  if (Contains(line, "$")) {
    const std::string name = Copy(TextAfter(line, '$'), 1, 99);
    return Trim(std::string_view(name).substr(0, name.find('~')));
  }
  std::string name = NextShipName(form, column_type);
  // Name fallback: class Armor.T34 with column 12_Chief gives T34_12.
  if (name.size() < 2) {
    const size_t underscore = line.find('_');
    name = FirstWord(TextAfter(line, '.')) + "_" +
           line.substr(0, underscore == std::string::npos ? 0 : underscore);
  }
  return name;
}

void ReadColumn(TMainForm& form, ColumnEntry& column, const std::string& line) {
  const size_t at = line.find('@');
  column.ColumnHeader = "[" + FirstWord(line) + "_Road]";
  column.ColumnType = Trim(std::string_view(line).substr(0, at));
  column.ColumnName = FirstWord(column.ColumnType);
  column.ColumnArmy = Word(line, 3);
  column.ColumnPlace = at == std::string::npos ? std::string() : FirstWord(line.substr(at + 1));
  column.ColumnHits = 0;
  column.ColumnPlaceOwner = column.ColumnArmy;
  column.ColumnHeading = column.ColumnArmy;
  column.ColumnDestinationOwner = column.ColumnPlaceOwner;
  column.ColumnDestination = column.ColumnPlace;
  const std::string letter = TextAfter(line, '~').substr(0, 1);
  column.ColumnMarks = letter.empty() ? "A" : letter;
  column.ColumnUnitName = UnitName(form, line, column.ColumnType);
  column.ColumnStatus.clear();
  column.ColumnLastRoutePoint = -1;
  column.ColumnInMission.clear();
  column.ColumnMobile = "Y";
  if (form.DayStep == 0) column.ColumnTransportLink.clear();
  if (ArmyNumber(column.ColumnArmy) == 0) {
    ErrorLog(form, "Column " + column.ColumnName + " of columns.tavrek has the army \"" +
                       column.ColumnArmy + "\"; only armies 1 and 2 move on the map.");
  }
}

// Lines of the file that are columns; a missing file has none.
std::vector<std::string> ReadColumnLines(TMainForm& form) {
  const std::string path = ColumnFilePath(form);
  std::vector<std::string> columns;
  if (!FileExists(path)) return columns;
  InspectedTextFile file = ReadInspectedTextFile(form.FileReads, path);
  for (const std::string_view line : file.lines()) {
    if (!Contains(line, "[") && !Trim(line).empty()) columns.emplace_back(line);
  }
  if (columns.size() > static_cast<size_t>(kColumnCapacity)) {
    const std::string message = "columns.tavrek holds " + IntToStr(columns.size()) +
                                " columns, more than the " + IntToStr(kColumnCapacity) +
                                " a campaign can hold; it is not loaded.";
    ErrorLog(form, message);
    file.report.Add("it was refused whole: " + message);
    form.ColumnFileRead = LoadedFile{path, std::move(file.report)};
    throw ProgramError(message);
  }
  if (!file.report.WholeAndClean()) {
    ErrorLog(form, "columns.tavrek was not read whole: " + file.report.Faults() + ".");
  }
  form.ColumnFileRead = LoadedFile{path, std::move(file.report)};
  return columns;
}

// A location a blank ship or train may come back at.
struct OwnedLocation {
  int index;
  bool shipyard;
  bool railyard;
};

// The map's locations by owner, for the standing rules.
class LocationLookup {
 public:
  explicit LocationLookup(const TMainForm& form) {
    for (int j = 0; j <= form.LastLocation; ++j) {
      const LocationEntry& location = form.LocationTable[j];
      owned_by_[location.LocationArmy].push_back({j, Contains(location.LocationName, "_Shipyard"),
                                                  Contains(location.LocationName, "_Railyard")});
    }
  }
  const std::vector<OwnedLocation>& OwnedBy(const std::string& army) const {
    static const std::vector<OwnedLocation> kNone;
    const auto found = owned_by_.find(army);
    return found == owned_by_.end() ? kNone : found->second;
  }

 private:
  std::unordered_map<std::string, std::vector<OwnedLocation>> owned_by_;
};

bool IsClosedPlace(const std::string& place) {
  if (place.empty()) return true;
  for (const std::string_view closed : kClosedPlaces) {
    if (place == closed) return true;
  }
  for (const std::string_view part : kClosedPlaceParts) {
    if (Contains(place, part)) return true;
  }
  return false;
}

bool AtOwnShipEntry(const TMainForm& form, const ColumnEntry& column) {
  return (column.ColumnArmy == "1" && column.ColumnPlace == form.AlliedShipEntry) ||
         (column.ColumnArmy == "2" && column.ColumnPlace == form.AxisShipEntry);
}

// A blank train or ship may come back at a shipyard or railyard of its side, or else at its
// side's entry point; a car column only when the reinforcement draw allows it.
void Reinforce(TMainForm& form, int c, const LocationLookup& locations) {
  ColumnEntry& column = form.ColumnTable[c];
  const int army = ArmyNumber(column.ColumnArmy);
  const int chance = army == 0 ? 0 : form.ReinforcementChance[army - 1];
  if (!(form.Random(100) < chance || IsShip(column))) return;
  for (const OwnedLocation& location : locations.OwnedBy(column.ColumnArmy)) {
    const bool shipyard_draw = form.Random(3) == 0;
    const bool railyard_draw = form.Random(3) == 0;
    const std::string& name = std::as_const(form.LocationTable)[location.index].LocationName;
    if (shipyard_draw && location.shipyard && IsShip(column) && IsBlank(column)) {
      std::string harbor = name;
      harbor.replace(harbor.find("_Shipyard"), 9, "_Harbor");
      column.ColumnPlace = harbor;
      column.ColumnStatus = "L";
      MakeTransport(form, c);
    }
    if (railyard_draw && location.railyard && IsTrain(column) && IsBlank(column)) {
      column.ColumnPlace = name;
      column.ColumnStatus = "Y";
      MakeTransport(form, c);
    }
  }
  if (!IsBlank(column) || army == 0) return;
  // A map without rail or sea routes has no entry point to come back at.
  if (IsShip(column)) {
    const std::string& entry = army == 1 ? form.AlliedShipEntry : form.AxisShipEntry;
    if (entry.empty()) return;
    column.ColumnPlace = entry;
    column.ColumnStatus = "L";
    MakeTransport(form, c);
  } else if (IsTrain(column)) {
    const std::string& entry = army == 1 ? form.AlliedRailEntry : form.AxisRailEntry;
    if (entry.empty()) return;
    column.ColumnPlace = entry;
    column.ColumnStatus = "Y";
    MakeTransport(form, c);
  }
}

void ApplyStandingRules(TMainForm& form, int c, const LocationLookup& locations) {
  ColumnEntry& column = form.ColumnTable[c];
  const int at = FindLocation(form, column.ColumnPlace);
  if (at >= 0) {
    const LocationEntry& location = std::as_const(form.LocationTable)[at];
    if (IsTrain(column) && location.LocationArmy != column.ColumnArmy) column.ColumnPlace = "Blank";
    if (!IsShip(column) && location.LocationOffMap == "Y") column.ColumnPlace = "Blank";
  }
  if (IsClosedPlace(column.ColumnPlace)) column.ColumnPlace = "Blank";
  if ((IsShip(column) && AtOwnShipEntry(form, column)) ||
      ((IsShip(column) || IsTrain(column)) && form.NewCampaignFlag == "Y")) {
    MakeTransport(form, c);
  }
  column.ColumnDestination = column.ColumnPlace;
  if (IsBlank(column)) Reinforce(form, c, locations);
  if (IsSunk(column)) column.ColumnPlace = "Blank";
  if (form.MapSeason == "Winter" && IsShip(column) && form.MapName != "Murmansk") {
    column.ColumnPlace = "Blank";
    column.ColumnStatus.clear();
  }
  column.ColumnDestination = column.ColumnPlace;
  column.ColumnArmorChange = "N";
}

// Formation offsets of the n-th column at one place: the first stands on the point, the next
// ones around it in rings.
struct FormationSlot {
  int ring;
  int a;
  int b;
};

FormationSlot Formation(int n) {
  static constexpr std::array<std::array<int, 2>, 8> kDirections{
      {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}}};
  const int ring = n > 17 ? 3 : n > 9 ? 2 : 1;
  if (n < 2 || n > 25) return {ring, 0, 0};
  const auto& direction = kDirections[static_cast<size_t>((n - 2) % 8)];
  return {ring, direction[0], direction[1]};
}

// Ships of each side patrol that side's area (army 1 uses the first area, army 2 the
// second); placement stops at the side's first transport ship.
void PlaceShipsOnPatrol(TMainForm& form) {
  std::array<bool, 3> transport_seen{false, false, false};
  std::unordered_map<std::string, int> columns_at;  // place and army -> columns so far
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    column.ColumnRoute.Clear();
    const int army = ArmyNumber(column.ColumnArmy);
    if (TransportType(column.ColumnType) == "Y") transport_seen[army] = true;
    const int area = army == 0 ? 0 : (army - 1) * kPatrolEntries;
    const bool placed = army != 0 && IsShip(column) && !transport_seen[army] && !IsSunk(column) &&
                        !form.PatrolText[area].empty();
    if (placed) {
      column.ColumnPlace = form.PatrolText[area];
      column.ColumnDestination = column.ColumnPlace;
      column.ColumnHeading = "2";
      column.ColumnDestinationOwner = column.ColumnArmy;
      column.ColumnLastRoutePoint = 3;
      column.ColumnStatus.clear();
    }
    const int n = ++columns_at[column.ColumnPlace + "\n" + column.ColumnArmy];
    if (!placed) continue;
    const FormationSlot slot = Formation(n);
    const int spacing = form.DeployDistance[army - 1];
    const long long dx = 500LL * slot.ring * slot.b + 1LL * spacing * slot.ring * slot.a;
    const long long dy = 500LL * slot.ring * slot.a + 1LL * spacing * slot.ring * slot.b;
    for (int point = 0; point < 4; ++point) {
      const long long x = StrToInt(form.PatrolText[area + 2 + point * 2]) + dx;
      const long long y = StrToInt(form.PatrolText[area + 3 + point * 2]) + dy;
      column.ColumnRoute[point] = IntToStr(x) + ".00" + " " + IntToStr(y) + ".00" + " 20.00 ";
    }
  }
}

}  // namespace

void ColumnList(TMainForm& form) {
  OilSupplies(form);
  ArmorList(form);
  if (form.FrontCenterName.empty()) TargetLocations(form);

  const std::vector<std::string> lines = ReadColumnLines(form);
  for (int c = 0; c < static_cast<int>(lines.size()); ++c) {
    ReadColumn(form, form.ColumnTable[c], lines[c]);
  }
  form.LastColumn = static_cast<int>(lines.size()) - 1;

  const LocationLookup locations(form);
  for (int c = 0; c <= form.LastColumn; ++c) ApplyStandingRules(form, c, locations);
  PlaceShipsOnPatrol(form);
}

void WriteColumnList(TMainForm& form) {
  const std::string path = ColumnFilePath(form);
  if (!FileExists(path)) {
    const std::string message = "No columns.tavrek file found.";
    ErrorLog(form, message);
    throw ProgramError(message + "\r\n");
  }
  if (form.LastColumn < 0) return;
  std::string content;
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    std::string type = column.ColumnType;
    const int name_at = Pos(column.ColumnName, type);
    if (name_at > 0) type.erase(static_cast<size_t>(name_at - 1), column.ColumnName.size());
    if (column.ColumnPlace == "Blank" || column.ColumnPlace == "Future") column.ColumnMarks = "X";
    if (form.RoutePointMark[c] == "Y" && (column.ColumnMarks == "C" || column.ColumnMarks == "L")) {
      column.ColumnMarks = "B";
    }
    content += column.ColumnName + " " + FirstWord(type) + " " + column.ColumnArmy + " @" +
               column.ColumnDestination + " $" + column.ColumnUnitName + " ~" + column.ColumnMarks +
               std::string(kCrLf);
  }
  KeepDamagedOriginal(form, form.ColumnFileRead, path);
  WriteTextFile(path, content);
}

#include "campaign_progression/dogfight_ground_objects.h"

#include <map>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "campaign_progression/front_objects.h"
#include "campaign_progression/ground_combat.h"
#include "campaign_progression/location_kinds.h"

namespace {

constexpr int kObjectsPerColumn = 7;

enum ColumnKind { kOther = 0, kArmour = 1, kTrain = 2, kShip = 3, kArtillery = 4 };

bool AlliedArtillery(std::string_view type) {
  return ContainsAny(
      type, {"RussiaCarsColumnC", "RussiaCarsColumnD", "RussiaCarsColumnE", "USACarsColumnC"});
}
bool AxisArtillery(std::string_view type) {
  return ContainsAny(type, {"JapanCarsColumnA", "GermanyCarsColumnC"});
}

ColumnKind KindOf(const std::string& type) {
  ColumnKind kind = kOther;
  if (Contains(type, "Armor")) kind = kArmour;
  if (Contains(type, "Train")) kind = kTrain;
  if (Contains(type, "Ship")) kind = kShip;
  if (AlliedArtillery(type) || AxisArtillery(type)) kind = kArtillery;
  return kind;
}

std::string FirstWords(const std::string& text, int count) {
  std::string result;
  size_t at = 0;
  for (int word = 0; word < count; ++word) {
    at = text.find_first_not_of(' ', at);
    if (at == std::string::npos) break;
    const size_t end = std::min(text.find(' ', at), text.size());
    if (!result.empty()) result += ' ';
    result += text.substr(at, end - at);
    at = end;
  }
  return result;
}

std::string TextAfterFirst(const std::string& text, char mark) {
  const size_t at = text.find(mark);
  return at == std::string::npos ? std::string() : text.substr(at + 1);
}

bool OneOf(int n, std::initializer_list<int> values) {
  for (const int value : values) {
    if (n == value) return true;
  }
  return false;
}

// One object of a column: its class text and where it stands.
struct ObjectPlacement {
  const ColumnEntry& column;
  int n;                  // the object's number within the column, 1..7
  int year;               // the campaign year
  int step;               // how many 12 m steps from the column's start point
  std::string reference;  // the point the objects line up against
  std::string own;        // the object's point
  std::string obj;        // class text and side; empty: nothing stands here

  void Move(int mode, const std::string& reverse) {
    own = FrontDirection(own, reference, reverse, step, mode);
  }
  bool Engaged() const { return column.ColumnStatus == "Y"; }
  bool Has(std::string_view part) const { return Contains(column.ColumnType, part); }
};

void ArmourRule(ObjectPlacement& p) {
  if (!p.Has("Armor") || p.n >= 5) return;
  const std::string& type = p.column.ColumnType;
  const size_t dash = type.find('-');
  int count = 4;
  if (dash != std::string::npos && dash > 0) count = StrToIntDef(type.substr(dash - 1, 1), 4);
  std::string kind = Trim(TextAfterFirst(type, '-'));
  const size_t next_dash = kind.find('-');
  if (next_dash != std::string::npos) kind.erase(next_dash, 1);
  p.obj = p.n <= count ? "vehicles.artillery.Artillery$" + kind : std::string();
  p.Move(0, "N");
}

void VehicleRule(TMainForm& form, ObjectPlacement& p) {
  if (!p.Has("Vehicle") || p.Has("Armor") || p.Has("Train") || p.Has("Ship") ||
      p.Has("CarsColumn") || p.n != 1) {
    return;
  }
  std::string rest = TextAfterFirst(p.column.ColumnType, '.');
  const size_t dot = rest.find('.');
  if (dot != std::string::npos) rest.erase(dot, 1);
  const std::string word = FirstWords(rest, 1) + " ";
  for (int g = kGroundObjectTypeCapacity - 1; g >= 0; --g) {
    const std::string& name = form.GroundObjectTypeTable[g].GroundObjectName;
    if (name.empty() || !Contains(name + " ", word)) continue;
    p.obj = "vehicles." + name + " " + p.column.ColumnArmy;
    break;
  }
  p.Move(0, "N");
}

void TrainRule(ObjectPlacement& p) {
  if (!p.Has("Train")) return;
  const std::string wagon = "vehicles.stationary.Stationary$Wagon";
  if (p.column.ColumnArmy == "2") {
    p.obj = wagon + "1 2";
    if (p.n == 5 && p.year > 1942) p.obj = wagon + "7 2";
    if (p.n == 6) p.obj = wagon + "12 2";
    if (p.n == 7) p.obj = wagon + "11 2";
    p.Move(1, "Y");
  } else if (p.column.ColumnArmy == "1") {
    p.obj = wagon + "1 1";
    if (p.n == 6) p.obj = wagon + "10 1";
    if (p.n == 7) p.obj = wagon + "9 1";
    p.Move(1, "N");
  }
}

void ShipRule(ObjectPlacement& p) {
  if (!p.Has("Ship") || p.n != 1) return;
  p.obj = "ships.Ship$" + FirstWords(TextAfterFirst(p.column.ColumnType, '.'), 1) + " " +
          p.column.ColumnArmy;
  p.Move(1, "N");
}

const std::string kStationary = "vehicles.stationary.Stationary$";
const std::string kArtilleryClass = "vehicles.artillery.Artillery$";

void AlliedColumnRule(TMainForm& form, ObjectPlacement& p, ColumnEntry& column) {
  const int n = p.n;
  const int y = p.year;
  std::string& obj = p.obj;
  obj = kStationary + "StudebeckerTruck 1";
  if (y < 1944) obj = kStationary + "ZIS5_PC 1";
  if (n == 7) obj = kArtilleryClass + "MaximeGAZ 1";
  if (n == 7 && y > 1944) obj = kArtilleryClass + "ZSU37 1";
  if (n == 1) obj = kStationary + "GAZ67t 1";
  p.Move(1, "N");
  if (p.Has("RussiaCarsColumnD") && p.Engaged()) {
    column.ColumnMobile = "N";
    obj = kArtilleryClass + "Katyusha 1";
    if (n == 7) obj = kStationary + "ZIS6_fuel 1";
    if (n == 6 || n == 5) obj = kStationary + "ZIS5_PC 1";
    if ((n == 6 && y > 1943) || (n == 5 && y > 1944)) obj = kStationary + "StudebeckerTruck 1";
    if (n == 1) obj = kStationary + "GAZ67t 1";
    p.Move(0, "N");
  }
  if (p.Has("RussiaCarsColumnE") && p.Engaged()) {
    column.ColumnMobile = "N";
    obj = kArtilleryClass + "StudebeckerRocket 1";
    if (n == 7) obj = kStationary + "ZIS6_fuel 1";
    if (n == 6 || n == 5) obj = kStationary + "ZIS5_PC 1";
    if ((n == 5 && y > 1943) || (n == 6 && y > 1944)) obj = kStationary + "StudebeckerTruck 1";
    if (n == 1) obj = kStationary + "GAZ67t 1";
    p.Move(0, "N");
  }
  if (p.Has("RussiaCarsColumnC") && p.Engaged()) {
    column.ColumnMobile = "N";
    obj = kArtilleryClass + "M30_122mm 1";
    if (y > 1943) obj = kArtilleryClass + "ML20 1";
    if (OneOf(n, {2, 4, 6})) obj = kStationary + "ZIS5_PC 1";
    if (OneOf(n, {2, 4, 6}) && y > 1944) obj = kStationary + "StudebeckerTruck 1";
    if (n == 1) obj = kStationary + "GAZ67t 1";
    p.Move(0, "N");
  }
  if (p.Has("USACarsColumn")) {
    obj = kStationary + "Chevrolet_flatbed_US 1";
    if (y > 1943 && form.Random(3) == 2) obj = kStationary + "DiamondT_US 1";
    if (n == 7) obj = kArtilleryClass + "M16_US 1";
    if (n == 1) obj = kStationary + "WillisMBtc_US 1";
    if (n == 1 && y < 1943) obj = kStationary + "WillisMB_US 1";
  }
  if (p.Has("USACarsColumnC") && p.Engaged()) {
    column.ColumnMobile = "N";
    if (n != 7) obj = kArtilleryClass + "M2A1_105mm 1";
    if (OneOf(n, {2, 4, 6})) obj = kStationary + "Chevrolet_flatbed_US 1";
    if (OneOf(n, {2, 4, 6}) && y > 1944) obj = kStationary + "DiamondT_US 1";
    if (n == 1) obj = kStationary + "WillisMBtc_US 1";
    p.Move(0, "N");
  }
}

void AxisColumnRule(ObjectPlacement& p, ColumnEntry& column) {
  const int n = p.n;
  const int y = p.year;
  std::string& obj = p.obj;
  obj = kStationary + "OpelBlitzMaultier 2";
  if (n == 1) obj = kArtilleryClass + "OpelBlitzMaultierAA 2";
  if (n == 1 && y > 1944) obj = kArtilleryClass + "Wirbelwind 2";
  if (n == 7) obj = kStationary + "VW82t 2";
  p.Move(1, "N");
  if (p.Has("GermanyCarsColumnC") && p.Engaged()) {
    column.ColumnMobile = "N";
    if (n != 1) obj = kArtilleryClass + "Howitzer_150mm 2";
    if (OneOf(n, {3, 5})) obj = kStationary + "OpelBlitz6700A 2";
    if (OneOf(n, {3, 5}) && y > 1943) obj = kStationary + "OpelBlitzMaultier 2";
    if (OneOf(n, {4, 5, 6}) && y > 1943) obj = kArtilleryClass + "OpelBlitzMaultierRocket 2";
    if (n == 7) obj = kStationary + "VW82t 2";
    p.Move(0, "N");
  }
  if (p.Has("JapanCarsColumn")) {
    obj = kStationary + "Truck_Type94 2";
    if (n == 1) obj = kArtilleryClass + "Type98_20mm_JA 2";
    if (n == 7) obj = kStationary + "Kurogane 2";
  }
  if (p.Has("JapanCarsColumnA") && p.Engaged()) {
    column.ColumnMobile = "N";
    if (n != 1) obj = kArtilleryClass + "Type94_37mm_JA 2";
    if (OneOf(n, {3, 5})) obj = kStationary + "Truck_Type94 2";
    if (n == 7) obj = kStationary + "Kurogane 2";
    p.Move(0, "N");
  }
}

bool Represented(const TMainForm& form, const ColumnEntry& column) {
  const std::string& type = column.ColumnType;
  const bool engaged_artillery =
      column.ColumnStatus == "Y" && ((column.ColumnArmy == "2" && AxisArtillery(type)) ||
                                     (column.ColumnArmy == "1" && AlliedArtillery(type)));
  const bool armour_out_of_fuel = Contains(type, "Armor") && column.ColumnStatus == "X";
  return engaged_artillery || armour_out_of_fuel || form.Dogfight.Checked;
}

// Steps already taken per side, place and kind; artillery starts one step out.
class StepCounters {
 public:
  int Next(const std::string& army, const std::string& place, ColumnKind kind) {
    const auto key = std::make_tuple(army, place, static_cast<int>(kind));
    auto found = steps_.find(key);
    if (found == steps_.end()) found = steps_.emplace(key, kind == kArtillery ? 0 : -1).first;
    return ++found->second;
  }

 private:
  std::map<std::tuple<std::string, std::string, int>, int> steps_;
};

bool AddPlacedObject(TMainForm& form, const std::string& army, const std::string& position,
                     const std::string& line) {
  const int index = form.LastStationary + 1;
  if (index >= kStationaryCapacity) return false;
  StationaryEntry& object = form.StationaryObjectTable[index];
  object.StationaryArmy = army;
  object.StationaryMissionPosition = Trim(position);
  object.StationaryMissionLine = line;
  form.LastStationary = index;
  return true;
}

// Where a column's objects are placed from: the last location of the column's place, a train
// at the second point of its route.
std::string PlacePosition(const TMainForm& form, const ColumnEntry& column,
                          const std::string& route1) {
  if (Contains(column.ColumnType, "Train")) return route1;
  int last = -1;
  for (int i = FindLocation(form, column.ColumnPlace); i >= 0;
       i = FindLocationAfter(form, column.ColumnPlace, i)) {
    last = i;
  }
  return last < 0 ? route1 : std::as_const(form.LocationTable)[last].LocationPosition;
}

void RepresentColumn(TMainForm& form, int c, StepCounters& counters, bool& table_full) {
  ColumnEntry& column = form.ColumnTable[c];
  const ColumnKind kind = KindOf(column.ColumnType);
  const std::string route0 = FirstWords(column.ColumnRoute[0], 2);
  const std::string route1 = FirstWords(column.ColumnRoute[1], 2);
  std::string start = route0;
  if (!Trim(column.ColumnRoute[1]).empty() && column.ColumnStatus != "Y" &&
      ContainsAny(column.ColumnPlace, {"Airstrip", "Airfield"})) {
    start = route1;
  }
  const std::string reference = PlacePosition(form, column, route1);
  for (int n = 1; n <= kObjectsPerColumn; ++n) {
    const int step = counters.Next(column.ColumnArmy, column.ColumnPlace, kind);
    ObjectPlacement p{column, n, form.CampaignYear, step, reference, start, std::string()};
    ArmourRule(p);
    VehicleRule(form, p);
    TrainRule(p);
    ShipRule(p);
    const bool car_column =
        p.Has("CarsColumn") && !p.Has("Armor") && !p.Has("Train") && !p.Has("Ship");
    if (car_column && column.ColumnArmy == "1") AlliedColumnRule(form, p, column);
    if (car_column && column.ColumnArmy == "2") AxisColumnRule(p, column);
    if (p.obj.empty() || !Represented(form, column)) continue;
    if (column.ColumnArmy != "1" && column.ColumnArmy != "2") continue;
    std::string line =
        "  " + column.ColumnName + IntToStr(n) + " " + p.obj + " " + p.own + " 0.0 0";
    if (p.Has("Ship")) {
      line += " " + ShipSkill(form, column.ColumnArmy) + " " + RateOfFire(form, column.ColumnType);
    }
    if (!AddPlacedObject(form, column.ColumnArmy, p.own, line) && !table_full) {
      table_full = true;
      ErrorLog(form,
               "The static-object table is full: columns are left out of the mission's "
               "static objects.");
    }
  }
}

}  // namespace

std::string ShipSkill(const TMainForm& form, const std::string& side) {
  const std::string& chosen = side == "1"   ? form.RuShipSkillBox.Text
                              : side == "2" ? form.DeShipSkillBox.Text
                                            : std::string();
  if (chosen == "Rookie") return "0";
  if (chosen == "Veteran") return "2";
  if (chosen == "Ace") return "3";
  return "1";
}

std::string RateOfFire(TMainForm& form, const std::string& ship_type) {
  return CapitalShipCheck(form, ship_type) ? form.RoFBox.Text : form.DDRoFBox.Text;
}

void DogfightColumns(TMainForm& form) {
  InitializeGroundUnits(form);
  StepCounters counters;
  bool table_full = false;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    if (Trim(column.ColumnRoute[0]).empty()) continue;
    if (Contains(column.ColumnPlace, "_Ferry") && Contains(column.ColumnDestination, "_Ferry")) {
      continue;
    }
    RepresentColumn(form, c, counters, table_full);
  }
}

void SetRoF(TMainForm& form) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    const size_t dot = column.ColumnType.find('.');
    if (!Contains(column.ColumnType, "Ship") || dot == std::string::npos) continue;
    const std::string rest = Trim(column.ColumnType.substr(dot + 1, 50));
    column.ColumnType = column.ColumnType.substr(0, dot + 1) + FirstWords(rest, 1) + " " +
                        column.ColumnArmy + " 0 " + ShipSkill(form, column.ColumnArmy) + " " +
                        RateOfFire(form, column.ColumnType);
  }
  WriteColumnList(form);
  for (int i = 0; i <= form.LastStationary; ++i) {
    StationaryEntry& object = form.StationaryObjectTable[i];
    const std::string& stored = object.StationaryLine;
    const size_t dot = stored.find('.');
    if (!Contains(stored, "Ship") || Contains(stored, "Rwy") || dot == std::string::npos) continue;
    std::string line = Trim(stored.substr(0, dot + 1) + FirstWords(stored.substr(dot + 1), 7)) +
                       " " + ShipSkill(form, object.StationaryArmy) + " " +
                       RateOfFire(form, stored);
    if (!Contains(line, "X ")) line = "  " + line;
    object.StationaryLine = line;
  }
  SaveStationary(form);
}

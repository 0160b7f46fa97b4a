#include "campaign_progression/front_objects.h"

#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/front_object_classes.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/place_index.h"
#include "campaign_progression/route_sections.h"
#include "platform/ascii.h"

namespace {

constexpr int kFirstObjectNumber = 10001;
constexpr int kRoadPoints = 5;
constexpr int kOutermostSlot = 6;
constexpr double kOverwhelming = 6.0;
constexpr std::string_view kClassPrefix = "vehicles.artillery.Artillery$";
constexpr std::string_view kTemplatePosition = " 181884.85 32705.0 360.0 0.0";
constexpr int kFrontObjectEntries = 4;  // entry 4 x side + n holds the side's class n

bool IsSureAlliedSlot(int slot) {
  return slot == 1 || slot == -2 || slot == 3;
}
bool IsSureAxisSlot(int slot) {
  return slot == -1 || slot == 2 || slot == -3;
}

// Truck columns of a side at the place let that side fill further slots.
struct Trucks {
  bool allied = false;
  bool axis = false;
};

Trucks TrucksAt(const TMainForm& form, const std::vector<int>& columns) {
  Trucks trucks;
  if (form.MapName == "Wake") return trucks;
  for (const int c : columns) {
    const ColumnEntry& column = form.ColumnTable[c];
    const std::string& type = column.ColumnType;
    if (!Contains(type, "CarsColumn")) continue;
    if (column.ColumnArmy == "1" && !ContainsAny(type, {"RussiaCarsColumnC", "RussiaCarsColumnD",
                                                        "RussiaCarsColumnE", "USACarsColumnC"})) {
      trucks.allied = true;
    }
    if (column.ColumnArmy == "2" &&
        !ContainsAny(type, {"GermanyCarsColumnC", "JapanCarsColumnA"})) {
      trucks.axis = true;
    }
  }
  return trucks;
}

// "x y" of a route point.
std::string RoadPoint(const RoutePoint& point) {
  std::string text(point.x);
  text += ' ';
  text += point.y;
  return text;
}

// The road leaving the place that the guns line up along: the first section starting there, or
// a later one on a draw of 0.
std::array<std::string, kRoadPoints> PickRoad(TMainForm& form, const RouteSections& roads,
                                              const std::string& place) {
  std::array<std::string, kRoadPoints> road;
  for (const int s : roads.From(place)) {
    const bool redraw = form.Random(2) == 0;
    const bool stored = !(road[0] + road[1] + road[2] + road[3] + road[4]).empty();
    if (stored && !redraw) continue;
    const std::span<const RoutePoint> points = roads.Sections()[static_cast<size_t>(s)].points;
    for (int p = 0; p < kRoadPoints; ++p) {
      road[p] = p < static_cast<int>(points.size()) ? RoadPoint(points[p]) : std::string();
    }
  }
  return road;
}

// The battle's own classes replace the chosen line of their side.
void ApplyBattleClasses(TMainForm& form, std::string& line, int side) {
  const std::string mark = side == 1 ? " 1 " : " 2 ";
  for (int n = 1; n <= 3; ++n) {
    const std::string& battle_class = form.FrontObjectTable[kFrontObjectEntries * side + n];
    if (battle_class.size() <= 5 || !Contains(line, mark)) continue;
    if (n > 1 && form.Random(3) != 0) continue;
    line = "110_Static " + battle_class + mark + std::string(kTemplatePosition).substr(1);
  }
}

std::string ChosenLine(const std::string& front_class, int side) {
  return "110_Static " + std::string(kClassPrefix) + front_class + " " + IntToStr(side) +
         std::string(kTemplatePosition);
}

double Ratio(int attack, int defence) {
  return static_cast<double>(attack) / static_cast<double>(defence);
}

class FrontLine {
 public:
  explicit FrontLine(TMainForm& form) : form_(form) {}

  void PlaceAt(int i, const std::array<std::string, kRoadPoints>& road, const Trucks& trucks) {
    const LocationEntry& location = std::as_const(form_.LocationTable)[i];
    const std::string& p1 = road[0];
    const std::string& allied_anchor =
        Contains(AsciiLowerCase(location.LocationName), "bridge") ? road[4] : road[2];
    if (allied_anchor.empty()) {
      ErrorLog(form_, "The road from " + location.LocationName +
                          " has fewer than five points; no guns are placed there.");
      return;
    }
    const LocationCombatEntry& combat = location.LocationCombat;
    const bool new_campaign = form_.NewCampaignFlag == "Y";
    const int density = form_.StationaryDensityLevel;
    for (int slot = -kOutermostSlot; slot <= kOutermostSlot; ++slot) {
      const bool dense_draw = form_.Random(density) == 0;
      const bool used = (slot != 0 && dense_draw) || (slot >= -3 && slot <= 3 && slot != 0);
      if (!used) continue;
      std::string line;
      bool allied = IsSureAlliedSlot(slot);
      if (!allied) allied = form_.Random(density + 3) == 0 && trucks.allied;
      if (allied &&
          (new_campaign || !(Ratio(combat.AxisAttack, combat.AlliedDefence) > kOverwhelming))) {
        line = ChosenLine(AlliedFrontClass(form_), 1);
      }
      bool axis = IsSureAxisSlot(slot);
      if (!axis) axis = form_.Random(density + 3) == 0 && trucks.axis && !IsSureAlliedSlot(slot);
      if (axis &&
          (new_campaign || !(Ratio(combat.AlliedAttack, combat.AxisDefence) > kOverwhelming))) {
        line = ChosenLine(AxisFrontClass(form_), 2);
      }
      ApplyBattleClasses(form_, line, 1);
      ApplyBattleClasses(form_, line, 2);
      if (!Contains(line, "artillery")) continue;
      if (Contains(line, " 1 ") && (trucks.allied || IsSureAlliedSlot(slot))) {
        Place(line, "1", FrontDirection(allied_anchor, p1, "N", slot, 0));
      }
      if (Contains(line, " 2 ") && (trucks.axis || IsSureAxisSlot(slot))) {
        Place(line, "2", FrontDirection(p1, allied_anchor, "N", slot, 0));
      }
    }
  }

 private:
  void Place(const std::string& line, const std::string& side, const std::string& position) {
    if (form_.LastStationary + 1 >= StationaryObjectTableType::kCapacity) {
      if (!full_reported_) {
        ErrorLog(form_, "The static-object table is full; no more guns are placed at the front.");
        full_reported_ = true;
      }
      return;
    }
    const std::string mark = " " + side + " ";
    const std::string placed = line.substr(0, line.find(mark) + mark.size()) + position + " 0.0";
    StationaryEntry& object = form_.StationaryObjectTable[++form_.LastStationary];
    object = StationaryEntry{};
    object.StationaryArmy = side;
    object.StationaryMissionLine = "  " + IntToStr(number_++) + placed.substr(2);
    object.StationaryLine = object.StationaryMissionLine;
    object.StationaryNearestLocation = -1;
  }

  TMainForm& form_;
  int number_ = kFirstObjectNumber;
  bool full_reported_ = false;
};

// x and y of an object's mission line: the words after its name, class and side.
std::string MissionPosition(const std::string& line) {
  std::array<std::string_view, 5> words{};
  size_t count = 0;
  const std::string_view text = TrimView(line);
  size_t at = 0;
  while (count < words.size() && (at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
    const size_t end = std::min(text.find(' ', at), text.size());
    words[count++] = text.substr(at, end - at);
    at = end;
  }
  std::string position;
  position.reserve(words[3].size() + 1 + words[4].size());
  position.append(words[3]).append(" ").append(words[4]);
  return position;
}

// Objects placed in the coming mission stand where their line puts them; some stand at the
// held place nearest to them.
void SetMissionPositions(TMainForm& form) {
  for (int s = 0; s <= form.LastStationary; ++s) {
    StationaryEntry& object = form.StationaryObjectTable[s];
    object.StationaryMissionPosition =
        object.StationaryMissionLine.empty() ? " " : MissionPosition(object.StationaryMissionLine);
    const int nearest = object.StationaryNearestLocation;
    if (object.StationaryMissionPosition.size() <= 3 || nearest < 0 ||
        nearest > form.LastLocation) {
      continue;
    }
    const LocationEntry& location = std::as_const(form.LocationTable)[nearest];
    if (location.LocationArmy != object.StationaryArmy || location.LocationArmy == "0") continue;
    if (ContainsAny(location.LocationName, {"Bridge", "Harbor", "Sea", "_Port", "_Bay", "Ocean",
                                            "Airstrip", "Airfield"})) {
      continue;
    }
    form.Random(3);
    object.StationaryMissionPosition = location.LocationPosition;
  }
}

bool HoldsFrontGuns(const std::string& name) {
  return !ContainsAny(
      name, {"Station", "_Rail", "Harbor", "_Port", "_Ferry", "Ocean", "Beachhead", "Sea", "_Bay"});
}

}  // namespace

void StationaryFront(TMainForm& form) {
  form.InfoLabel.Caption = "Create Objects at Front";
  bool contested_found = false;
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    if (location.LocationArmy != "0" || !IsFrontLocation(location.LocationName)) continue;
    form.FrontCenterName = location.LocationName;
    form.FrontCenterPosition = location.LocationPosition;
    form.FrontCenterIndex = i;
    contested_found = true;
  }

  const PlaceIndex& places = CurrentPlaces(form);
  const ColumnsByPlace columns(form);
  RouteFiles routes(form);
  FrontLine front_line(form);
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    const bool front =
        location.LocationArmy == "0" || (!contested_found && i == form.FrontCenterIndex);
    if (!front || places.OffMapAt(i) || !HoldsFrontGuns(location.LocationName)) {
      continue;
    }
    const Trucks trucks = TrucksAt(form, columns.At(location.LocationName));
    const RouteSections* roads = routes.For(RouteNetwork::kRoads);
    if (roads == nullptr) break;
    const std::array<std::string, kRoadPoints> road = PickRoad(form, *roads, location.LocationName);
    const bool guns = form.ActiveFront.Checked && form.LastStationary >= 1 &&
                      location.LocationArmy == "0" && !road[0].empty();
    if (guns) front_line.PlaceAt(i, road, trucks);
  }
  SetMissionPositions(form);
}

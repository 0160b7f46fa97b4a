#include "campaign_progression/territory_owners.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/nearest_owned_place.h"
#include "campaign_progression/territory_places.h"
#include "platform/errors.h"

namespace {

constexpr int kStartingTroops = 20;
constexpr int kIslandGarrison = 50;  // Japanese island garrisons from 1944
constexpr int kFrontCentreTroops = 50;

bool IsOneOf(const std::string& text, std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    if (text == name) return true;
  }
  return false;
}

// A sea or rail place of the rebuild: no owner and no troops.
bool IsUnheldByRebuild(const std::string& name) {
  return ContainsAny(name, {"Station", "_Rail", "Ocean", "Sea", "_Bay"}) &&
         !Contains(name, "Seaplane_Base");
}

bool HoldsTroopsInRebuild(const std::string& name) {
  return !ContainsAny(name, {"Station", "_Rail", "Ocean", "Sea", "_Bay"});
}

bool IsJapaneseIslandMap(const std::string& map) {
  return IsOneOf(map, {"Palau", "Marianas", "Marianas_Online", "Okinawa", "Iwo"});
}

// The owner by the map's front axis of a place at (x, y) against the front centre (fx, fy).
std::string OwnerByAxis(const std::string& axis, const WholeMetrePoint& place,
                        const WholeMetrePoint& front) {
  if (axis == "East") return place.x < front.x ? "1" : "2";
  if (axis == "South") return place.y > front.y ? "1" : "2";
  if (axis == "North") return place.y > front.y ? "2" : "1";
  return place.x > front.x ? "1" : "2";
}

void SetZoneOwner(const TMainForm& form, LocationEntry& location) {
  if (location.LocationName == form.DeZoneText) location.LocationArmy = "2";
  if (location.LocationName == form.RuZoneText) location.LocationArmy = "1";
  if (location.LocationName == form.FrontCenterName) location.LocationArmy = "0";
}

int FindFrontCentre(const TMainForm& form) {
  for (int i = 0; i <= form.LastLocation; ++i) {
    if (std::as_const(form.LocationTable)[i].LocationName == form.FrontCenterName) return i;
  }
  return -1;
}

// Every position read before anything changes, so a bad one leaves the owners as they were.
std::vector<WholeMetrePoint> ReadAllPositions(TMainForm& form) {
  std::vector<WholeMetrePoint> points(static_cast<size_t>(form.LastLocation + 1));
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    try {
      points[static_cast<size_t>(i)] = ReadWholeMetres(location.LocationPosition);
    } catch (const ConversionError& error) {
      const std::string message = "The location " + location.LocationName + " has the position \"" +
                                  location.LocationPosition +
                                  "\": the territory cannot be rebuilt (" + error.what() + ").";
      ErrorLog(form, message);
      throw ConversionError(message);
    }
  }
  return points;
}

// The fixed owners of named places; they win over every other rule. A name added here goes into
// MayHaveFixedOwner (territory_places.cpp) too, or the rule is never asked.
void ApplyFixedOwner(const TMainForm& form, LocationEntry& location) {
  const std::string& name = location.LocationName;
  auto garrison = [&location](const char* owner) {
    location.LocationArmy = owner;
    location.TerritoryStrength[1] = 0;
    location.TerritoryStrength[2] = 0;
  };
  if (Contains(name, "English_")) location.LocationArmy = "1";
  if (Contains(name, "the_English_Channel") &&
      (Contains(form.MapTitle, "Berlin") || form.MapTitle == "Balaton")) {
    location.LocationArmy = "2";
  }
  if (Contains(name, "Rabaul")) location.LocationArmy = "2";
  if (IsOneOf(name, {"Wake", "Midway", "Battleship_Row"})) garrison("1");
  if (IsOneOf(name, {"Saipan", "Okinawa", "Kyushu", "Iwo_Jima_Beach"})) garrison("2");
  if (name == "Guam" && form.CampaignYear < 1943) garrison("1");
  if (name == "Palau") garrison("2");
  if (name == "Tarawa_Atoll") garrison("2");
}

// The side of the last column standing at each place.
std::unordered_map<std::string, std::string> ColumnSideByPlace(const TMainForm& form) {
  std::unordered_map<std::string, std::string> sides;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    sides[column.ColumnPlace] = column.ColumnArmy;
  }
  return sides;
}

}  // namespace

bool RebuildOwnersFromFront(TMainForm& form) {
  TargetInitialization(form);
  if (form.LastLocation < 0) return true;
  const int front = FindFrontCentre(form);
  if (front < 0) {
    ErrorTrap(form, "The front centre " + form.FrontCenterName + " is not a location of the map " +
                        form.MapName + ": the territory cannot be rebuilt.");
    return false;
  }
  const std::vector<WholeMetrePoint> points = ReadAllPositions(form);
  form.FrontCenterPosition = std::as_const(form.LocationTable)[front].LocationPosition;
  form.FrontCenterIndex = front;
  const WholeMetrePoint& front_point = points[static_cast<size_t>(front)];

  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    const std::string& name = location.LocationName;
    location.LocationArmy = OwnerByAxis(form.MapAxis, points[static_cast<size_t>(i)], front_point);
    location.TerritoryStrength = {0, 0, 0};
    SetZoneOwner(form, location);
    if (IsUnheldByRebuild(name)) location.LocationArmy = "0";
    if (i == front) {
      location.TerritoryStrength[1] = kFrontCentreTroops;
      location.TerritoryStrength[2] = kFrontCentreTroops;
    }
    if (!HoldsTroopsInRebuild(name)) continue;
    if (location.LocationArmy == "1") location.TerritoryStrength[1] = kStartingTroops;
    if (location.LocationArmy == "2") {
      const bool garrison = IsJapaneseIslandMap(form.MapName) && form.CampaignYear > 1943;
      location.TerritoryStrength[2] = garrison ? kIslandGarrison : kStartingTroops;
    }
  }
  return true;
}

void DeriveOwners(TMainForm& form) {
  TerritoryPlaces& places = form.OwnerRulePlaces;
  places.Refresh(std::as_const(form.LocationTable), form.LastLocation);
  // The places that judge the surroundings, switched on while they have an owner.
  NearestOwnedPlace& owned = places.Judges();
  // The owners read in table order: the tree asks for them in its own order, all over the table.
  std::vector<unsigned char> held(static_cast<size_t>(form.LastLocation + 1));
  for (int i = 0; i <= form.LastLocation; ++i) {
    held[static_cast<size_t>(i)] = std::as_const(form.LocationTable)[i].LocationArmy != "0";
  }
  owned.SwitchAll([&held](int index) { return held[static_cast<size_t>(index)] != 0; });
  if (places.AnyTakesOwner()) {
    for (const int i : places.Unreadable()) {
      ErrorLog(form, "Failed Target X/Y Coordinates for " +
                         std::as_const(form.LocationTable)[i].LocationName + ".");
    }
  }

  // Walking down from the last place, as each owner found here counts for the places below it.
  // Only the ruled places can change: every other one keeps its owner and its switch.
  const std::unordered_map<std::string, std::string> column_sides = ColumnSideByPlace(form);
  const std::vector<int>& ruled = places.Ruled();
  for (auto at = ruled.rbegin(); at != ruled.rend(); ++at) {
    const int i = *at;
    LocationEntry& location = form.LocationTable[i];
    if (places.TakesOwner(i) && places.Readable(i)) {
      const WholeMetrePoint& point = places.Point(i);
      const int nearest = owned.Nearest(point.x, point.y);
      if (nearest >= 0)
        location.LocationArmy = std::as_const(form.LocationTable)[nearest].LocationArmy;
    }
    if (places.IsSea(i)) {
      location.LocationArmy = "0";
      const auto column = column_sides.find(location.LocationName);
      if (form.NewCampaignFlag != "Y" && column != column_sides.end()) {
        location.LocationArmy = column->second;
      }
    }
    ApplyFixedOwner(form, location);
    owned.Switch(i, location.LocationArmy != "0");
  }
}

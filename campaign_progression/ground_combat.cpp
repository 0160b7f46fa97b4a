#include "campaign_progression/ground_combat.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/armour_types.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/place_index.h"

namespace {

constexpr int kDefaultAttack = 5;  // an armour column of a type not in armor.tavrek
constexpr int kDefaultDefence = 5;
constexpr int kObjectAttack = 3;  // a static object placed in the coming mission
constexpr int kObjectDefence = 5;
constexpr int kCombatDefence = 10;  // a column of no known armour type in combat
constexpr int kDefenceMargin = 5;

struct Strength {
  int allied_attack = 0;
  int allied_defence = 0;
  int axis_attack = 0;
  int axis_defence = 0;

  void Add(const std::string& side, int attack, int defence) {
    if (side == "1") {
      allied_attack += attack;
      allied_defence += defence;
    } else if (side == "2") {
      axis_attack += attack;
      axis_defence += defence;
    }
  }
};

// Armour and placed objects, summed by the name of the place they stand at.
// Keys are views of the names in the column and location tables, which the step does not change.
std::unordered_map<std::string_view, Strength> StrengthByPlace(TMainForm& form) {
  std::unordered_map<std::string_view, Strength> by_place;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
    if (!Contains(column.ColumnType, "Armor")) continue;
    int attack = kDefaultAttack;
    int defence = kDefaultDefence;
    const int type = ArmourTypeOf(form, column.ColumnType);
    if (type >= 0) {
      attack = form.ArmorTable[type].ArmorValueA;
      defence = form.ArmorTable[type].ArmorValueB;
      // Early-war Allied armour fought at half its paper strength.
      if (form.CampaignYear < 1942 && column.ColumnArmy == "1") {
        attack /= 2;
        defence /= 2;
      }
    }
    const int vehicles = VehicleCount(form, c);
    by_place[column.ColumnPlace].Add(column.ColumnArmy, vehicles * attack, vehicles * defence);
  }
  for (int s = 0; s <= form.LastStationary; ++s) {
    const StationaryEntry& object = form.StationaryObjectTable[s];
    const int nearest = object.StationaryNearestLocation;
    if (object.StationaryMissionLine.empty() || nearest < 0 || nearest > form.LastLocation) {
      continue;
    }
    by_place[std::as_const(form.LocationTable)[nearest].LocationName].Add(
        object.StationaryArmy, kObjectAttack, kObjectDefence);
  }
  return by_place;
}

bool FightsAt(const std::string& name) {
  return !ContainsAny(name, {"_Rail", "Ocean", "Harbor", "_Port", "Station", "_Bay", "Sea"});
}

}  // namespace

void DetermineRetreat(TMainForm& form) {
  if (form.LastLocation < 0) return;
  const std::unordered_map<std::string_view, Strength> by_place = StrengthByPlace(form);
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    Strength strength;
    const auto found = by_place.find(location.LocationName);
    if (found != by_place.end()) strength = found->second;
    const std::array<int, 3>& troops = location.TerritoryStrength;
    strength.allied_defence += troops[1];
    strength.allied_attack += troops[1] / 2;
    strength.axis_defence += troops[2];
    strength.axis_attack += troops[2] / 2;
    location.LocationCombat = {
        std::max(strength.allied_attack, 1), std::max(strength.allied_defence, 1),
        std::max(strength.axis_attack, 1), std::max(strength.axis_defence, 1)};
  }
}

void ResolveGroundCombat(TMainForm& form) {
  const ColumnsByPlace columns(form);
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    if (location.LocationArmy != "0" || form.NewCampaignFlag == "Y" ||
        !FightsAt(location.LocationName) || form.LastColumn < 0) {
      continue;
    }
    for (const int c : columns.At(location.LocationName)) {
      ColumnEntry& column = form.ColumnTable[c];
      if (column.ColumnStatus != "Y") continue;
      const int type = ArmourTypeOf(form, column.ColumnType);
      const int defence = type >= 0 ? form.ArmorTable[type].ArmorValueB : kCombatDefence;
      const LocationCombatEntry& combat = location.LocationCombat;
      bool destroyed = false;
      if (column.ColumnArmy == "1") {
        destroyed = form.Random(combat.AxisAttack) > kDefenceMargin * defence;
      }
      if (column.ColumnArmy == "2") {
        destroyed = form.Random(combat.AlliedAttack) > kDefenceMargin * defence;
      }
      if (destroyed) {
        column.ColumnPlace = "Blank";
        column.ColumnDestination = "Blank";
      }
    }
  }
  WriteColumnList(form);
}

bool CapitalShipCheck(TMainForm& form, const std::string& ship_type) {
  (void)form;
  return (Contains(ship_type, "CV") && !Contains(ship_type, "LCVP")) ||
         ContainsAny(ship_type, {"BB", "USSIndianapolisCA35", "Tirpitz", "Vainamoinen",
                                 "Illmarinen", "Niobe", "Murgesku", "Kirov", "Marat", "Aurora"});
}

bool RetreatsCheck(const TMainForm& form, int column, const std::string& side) {
  const std::string& destination = form.ColumnTable[column].ColumnDestination;
  for (int k = 0; k <= form.LastColumn; ++k) {
    const ColumnEntry& other = form.ColumnTable[k];
    if (other.ColumnPlace == destination && other.ColumnArmy == side) return true;
  }
  return false;
}

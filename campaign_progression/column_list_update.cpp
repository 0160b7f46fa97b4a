// The moves of the routed columns made permanent once the mission is written.

#include <string>
#include <unordered_set>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/place_index.h"

namespace {

void StayPut(ColumnEntry& column) {
  column.ColumnDestination = column.ColumnPlace;
  column.ColumnDestinationOwner = column.ColumnPlaceOwner;
}

// A column of another side is heading for the destination or already stands there.
bool DestinationDisputed(const TMainForm& form, int c) {
  const ColumnEntry& column = form.ColumnTable[c];
  for (int k = 0; k <= form.LastColumn; ++k) {
    const ColumnEntry& other = form.ColumnTable[k];
    if (other.ColumnArmy == column.ColumnArmy) continue;
    if (other.ColumnDestination == column.ColumnDestination ||
        other.ColumnPlace == column.ColumnDestination) {
      return true;
    }
  }
  return false;
}

// A truck column without armour or troops of its side where it goes is lost to enemy armour
// arriving there.
bool LostToArmour(const TMainForm& form, const PlaceIndex& places, int c) {
  const ColumnEntry& column = form.ColumnTable[c];
  bool supported = false;
  bool facing_armour = false;
  for (int k = 0; k <= form.LastColumn; ++k) {
    const ColumnEntry& other = form.ColumnTable[k];
    if (!Contains(other.ColumnType, "Armor") ||
        other.ColumnDestination != column.ColumnDestination) {
      continue;
    }
    if (other.ColumnArmy == column.ColumnArmy) supported = true;
    if (other.ColumnArmy != column.ColumnArmy) facing_armour = true;
  }
  const int l = places.Find(column.ColumnDestination);
  const int side = column.ColumnArmy == "1" ? 1 : column.ColumnArmy == "2" ? 2 : 0;
  if (l >= 0 && side != 0 && std::as_const(form.LocationTable)[l].TerritoryStrength[side] > 0)
    supported = true;
  return facing_armour && !supported;
}

bool NotYetInService(const TMainForm& form, const std::string& type) {
  const int today = form.CampaignYear * 100 + form.CampaignMonth;
  for (int k = 0; k <= form.LastArmor; ++k) {
    const ArmorEntry& armour = form.ArmorTable[k];
    if (!armour.ArmorName.empty() && Contains(type, armour.ArmorName) &&
        StrToInt(armour.ArmorServiceStart) > today) {
      return true;
    }
  }
  return false;
}

}  // namespace

void UpdateColumnList(TMainForm& form) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    if (column.ColumnArmy != column.ColumnHeading && column.ColumnStatus != "R") StayPut(column);
    if (column.ColumnDestination == "Blank") StayPut(column);
  }
  const PlaceIndex& places = CurrentPlaces(form);
  std::unordered_set<std::string> column_names;
  for (int c = 0; c <= form.LastColumn; ++c) column_names.insert(form.ColumnTable[c].ColumnName);
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    const bool ship = Contains(column.ColumnType, "Ship");
    if (column.ColumnPlaceOwner == "0") {
      if (!ship || DestinationDisputed(form, c)) StayPut(column);
      if (!ship && Contains(column.ColumnType, "Vehicles") && LostToArmour(form, places, c)) {
        column.ColumnDestination = "Blank";
        column.ColumnPlace = "Blank";
        column.ColumnStatus.clear();
      }
    }
    if (column.ColumnDestination.size() < 2) column.ColumnDestination = "Blank";
    if (NotYetInService(form, column.ColumnType)) column.ColumnDestination = "Future";
    if (column_names.count(column.ColumnPlace) > 0) {
      column.ColumnStatus = "T";
      column.ColumnMarks = "T";
    }
    if (column.ColumnArmy == column.ColumnHeading && Trim(column.ColumnRoute[0]).empty() &&
        column.ColumnStatus.empty() && column.ColumnDestination == column.ColumnPlace) {
      column.ColumnDestination = "Blank";
    }
    column.ColumnPlace = column.ColumnDestination;
  }
  WriteColumnList(form);
}

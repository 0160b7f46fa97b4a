// The front centre at the end of a pass, and the columns put down anew when it moved.

#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"

namespace {

constexpr int kFrontReach = 100000;  // metres from the front centre a reset column may stand

// The player's base, or location 0 when the base is no location of the map.
int HomeLocation(const TMainForm& form) {
  int home = 0;
  for (int i = 0; i <= form.LastLocation; ++i) {
    if (std::as_const(form.LocationTable)[i].LocationName == form.SquadronTable[0].SquadronHomeBase)
      home = i;
  }
  return home;
}

bool IsFrontLine(const std::string& type) {
  return ContainsAny(type, {"Armor", "GermanyCarsColumnC", "RussiaCarsColumnC", "RussiaCarsColumnD",
                            "JapanCarsColumnA", "RussiaCarsColumnE", "USACarsColumnC"});
}

// A random place of the column's side or contested near the front; the front centre for armour
// and artillery that find none; trains and ships wait off the map.
std::string ResetPlace(TMainForm& form, const ColumnEntry& column) {
  const std::string side = column.ColumnArmy == "1" ? "1" : "2";
  const std::string& type = column.ColumnType;
  std::string place = "Blank";
  if (form.LastLocation >= 0) {
    const LocationEntry& drawn = std::as_const(form.LocationTable)[form.Random(form.LastLocation)];
    const bool held = drawn.LocationArmy == side || drawn.LocationArmy == "0";
    const bool near_front =
        GetDistance(drawn.LocationPosition, form.FrontCenterPosition) < kFrontReach ||
        drawn.LocationArmy == "0";
    if (held && near_front && !ContainsAny(type, {"Train", "Ship"})) place = drawn.LocationName;
  }
  if (place == "Blank" && IsFrontLine(type)) place = form.FrontCenterName;
  if (form.MapName == "Guadal" && form.CampaignYear < 1943) {
    if (side == "1" && place == form.FrontCenterName) place = "Blank";
    if (side == "2") place = form.FrontCenterName;
  }
  if (ContainsAny(type, {"Ship", "Train"})) place = "Blank";
  if (!IsLandLocation(place)) place = "Blank";
  if (form.MapName == "Guadal" && side == "1" && Contains(type, "Ship")) {
    place = form.AlliedShipEntry;
  }
  return place;
}

}  // namespace

void UpdateFront(TMainForm& form) {
  form.InfoLabel.Caption = "Update Front";
  if (form.LastLocation >= 0) {
    const std::string home =
        Trim(std::as_const(form.LocationTable)[HomeLocation(form)].LocationPosition);
    long long best = 999999999;
    for (int i = 0; i <= form.LastLocation; ++i) {
      const LocationEntry& location = std::as_const(form.LocationTable)[i];
      if (location.LocationArmy != "0" || !IsFrontLocation(location.LocationName)) continue;
      const long long distance = GetDistance(home, Trim(location.LocationPosition));
      if (distance < best) {
        best = distance;
        form.FrontCenterIndex = i;
      }
    }
  }
  if (form.FrontCenterIndex >= 0 && form.FrontCenterIndex <= form.LastLocation) {
    const LocationEntry& front = std::as_const(form.LocationTable)[form.FrontCenterIndex];
    form.FrontCenterName = front.LocationName;
    form.FrontCenterPosition = front.LocationPosition;
  }
  UpDateCampaignInfo(form);
}

void ResetObjects(TMainForm& form) {
  if (form.LastLocation < 0) {
    CampaignInfo(form);
    MapList(form, form.MapName);
    TargetLocations(form);
    ReadTerritory(form);
    SetTgtNation(form, 0);
    FrontObjects(form);
  }
  if (form.LastStationary < 0) StationaryList(form);
  if (form.LastColumn < 0) ColumnList(form);
  StationaryReset(form);
  SaveStationary(form);
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    const std::string place = ResetPlace(form, column);
    column.ColumnPlace = place;
    column.ColumnDestination = place;
    column.ColumnStatus.clear();
    column.ColumnHeading = column.ColumnArmy;
    column.ColumnDestinationOwner = column.ColumnArmy;
  }
  WriteColumnList(form);
}

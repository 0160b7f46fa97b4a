#include "campaign_progression/armour_changes.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_types.h"
#include "campaign_progression/campaign_date.h"
#include "campaign_progression/location_kinds.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

constexpr int kArmourStepsPerStart = 10;

// A service date of armor.tavrek (yyyymm); a date that is no number never passes a test.
int ServiceMonth(const std::string& text, int if_bad) {
  return StrToIntDef(Trim(text), if_bad);
}

bool HasType(const ColumnEntry& column, const std::string& armour_name) {
  const std::string name = Trim(armour_name);
  // "none" and an empty upgrade name no type.
  if (name.empty() || name == "none") return false;
  return Contains(column.ColumnType, ArmourKey(name));
}

void ReplaceType(ColumnEntry& column, const std::string& armour_name) {
  column.ColumnType = column.ColumnName + " Armor." + Trim(armour_name) + " " + column.ColumnArmy;
}

void SendTo(ColumnEntry& column, const std::string& place, const std::string& destination) {
  column.ColumnPlace = place;
  column.ColumnDestination = destination;
}

bool IsSunk(const ColumnEntry& column) {
  return AsciiLowerCase(Trim(column.ColumnUnitName)) == "sunk";
}

bool NormandyBattle(const TMainForm& form) {
  return form.CampaignType == "Western_Campaign" && form.BattleName == "Normandy44";
}

// The landing rules of the Normandy battle: German armour holds Caen, Allied armour lands on
// the beaches.
std::string NormandyPlace(TMainForm& form, const ColumnEntry& column, std::string place) {
  const std::string& type = column.ColumnType;
  const std::string& army = column.ColumnArmy;
  if (!Contains(type, "StuG") && Contains(type, "Armor") && army == "2") place = "Caen";
  if (Contains(type, "M4A2_US") && army == "1" && form.Random(2) == 0) place = "Omaha_Beach";
  if (Contains(type, "ValentineII") && army == "1") place = "Juno_Beach";
  if (Contains(type, "ValentineII") && army == "1" && form.Random(2) == 0) place = "Sword_Beach";
  return place;
}

// Places a column of this kind cannot start at.
std::string CheckedStartPlace(TMainForm& form, const ColumnEntry& column, std::string place) {
  const std::string& type = column.ColumnType;
  const bool train = Contains(type, "Train");
  if (place == "the_English_Channel") place = "Blank";
  if (Contains(place, "English_")) place = "Blank";
  if (OffMapCheck(form, place) == "Y") place = "Blank";
  if (Contains(place, "Beach") && NormandyBattle(form) && column.ColumnArmy == "2") place = "Caen";
  if (!train && ContainsAny(place, {"Station", "_Rail"})) place = "Blank";
  if (ContainsAny(place, {"Harbor", "Sea", "_Port", "Ocean", "_Bay"})) place = "Blank";
  if (train && !(Contains(place, "Station") && Contains(place, "_Rail"))) place = "Blank";
  if (Contains(place, "Beachhead")) place = "Blank";
  if (Contains(type, "Ships")) {
    if (column.ColumnArmy == "1") place = form.AlliedShipEntry;
    if (column.ColumnArmy == "2") place = form.AxisShipEntry;
  }
  if (form.MapName == "Wake") place = "Blank";
  return place;
}

// A random place of the map; one held by the other side gives way to the front centre.
std::string DrawnStartPlace(TMainForm& form, const ColumnEntry& column) {
  const int r = form.Random(form.LastLocation + 1);
  const LocationEntry& location = std::as_const(form.LocationTable)[r];
  if (location.LocationArmy != column.ColumnArmy && location.LocationArmy != "0") {
    return form.FrontCenterName;
  }
  return location.LocationName;
}

struct ArmyLine {
  std::string_view map;
  int line;
};

bool OnMap(const std::string& map, std::initializer_list<std::string_view> maps) {
  return std::find(maps.begin(), maps.end(), map) != maps.end();
}

std::string ArmyName(const TMainForm& form, const std::string& side) {
  const std::string& map = form.MapName;
  int line = -1;
  if (side == "1") {
    line = form.AlliedID;
    if (form.AlliedID == 0 &&
        OnMap(map, {"Lviv", "Kurland", "Smolensk", "Kursk", "FinsGulf", "Crimea41", "Crimea",
                    "Kuban", "Prokhorovka", "Stgrad", "Moscow", "Kiev"})) {
      line = 14;
    }
    if (form.AlliedID == 0 &&
        OnMap(map, {"Tarawa", "Japan1", "Guadal", "Guadal43", "Palau", "Okinawa", "Net8Islands",
                    "Hawaii", "Midway", "Marianas", "Marianas_Online", "Iwo", "Chichi"})) {
      line = 2;
    }
  } else if (side == "2") {
    line = form.AxisID;
    if (form.AxisID == 1 &&
        OnMap(map, {"Lviv", "Kurland", "Smolensk", "Kursk", "Crimea41", "Crimea", "Kuban",
                    "Prokhorovka", "Stgrad", "Moscow", "Kiev"})) {
      line = 8;
    }
    if (form.AxisID == 1 && OnMap(map, {"Tarawa", "Japan1", "Guadal", "Guadal43", "Palau",
                                        "Okinawa", "Net8Islands", "Hawaii", "Midway", "Marianas",
                                        "Chichi", "Marianas_Online", "Iwo", "NewGuinea"})) {
      line = 11;
    }
  }
  if (line < 0) return std::string();
  return form.Messages.Text(MessageSection::kArmy, line);
}

}  // namespace

void ArmorUpGrade(TMainForm& form, int c) {
  ColumnEntry& column = form.ColumnTable[c];
  const int now = MonthKey(form);
  for (int a = 0; a <= form.LastArmor; ++a) {
    const ArmorEntry& entry = form.ArmorTable[a];
    if (!HasType(column, entry.ArmorName)) continue;
    if (ServiceMonth(entry.ArmorServiceEnd, now) < now) column.ColumnArmorChange = "+1";
    if (ServiceMonth(entry.ArmorServiceStart, now) > now) column.ColumnArmorChange = "-1";
  }
  if (column.ColumnArmorChange == "-1") {
    for (int a = 0; a <= form.LastArmor; ++a) {
      const ArmorEntry& entry = form.ArmorTable[a];
      // An entry whose successor the column has is its predecessor.
      if (HasType(column, entry.ArmorUpgrade)) {
        if (form.TankDG.Checked) ReplaceType(column, entry.ArmorName);
        SendTo(column, "Future", "Blank");
      }
      if (HasType(column, entry.ArmorName)) SendTo(column, "Future", "Blank");
    }
  }
  if (column.ColumnArmorChange == "+1") {
    for (int a = 0; a <= form.LastArmor; ++a) {
      const ArmorEntry& entry = form.ArmorTable[a];
      if (!HasType(column, entry.ArmorName)) continue;
      if (ServiceMonth(entry.ArmorServiceEnd, now) >= now) continue;
      const std::string upgrade = Trim(entry.ArmorUpgrade);
      if (upgrade != "none" && !upgrade.empty()) ReplaceType(column, upgrade);
      SendTo(column, "Blank", "Blank");
    }
  }
}

void StartArmor(TMainForm& form) {
  if (!FileExists(form.CampaignFolder + "columns.tavrek")) {
    const std::string message = "No columns.tavrek found.";
    ErrorLog(form, message);
    throw ProgramError(message);
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    for (int step = 0; step < kArmourStepsPerStart; ++step) ArmorUpGrade(form, c);
    ColumnEntry& column = form.ColumnTable[c];
    std::string place = DrawnStartPlace(form, column);
    if (NormandyBattle(form)) place = NormandyPlace(form, column, place);
    place = CheckedStartPlace(form, column, place);
    // A sunk ship stays sunk, a column taken out of the campaign stays out.
    if (IsSunk(column)) place = "Blank";
    SendTo(column, place, place);
  }
  // The whole file is built from the table and replaces the old one at once; every column
  // keeps its unit name and state mark.
  WriteColumnList(form);
}

std::string ReplaceArmy(TMainForm& form, const std::string& text, const std::string& side) {
  return ReplaceTextProcedure(text, "<ARMY>", ArmyName(form, side));
}

#include "campaign_data/home_bases.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "campaign_progression/territory.h"

namespace {

bool IsSeaplaneSquadron(const SquadronEntry& squadron) {
  return squadron.SquadronRole == "6";
}

bool IsPlayer(int index) {
  return index == 0;
}

void SetLegs(SquadronEntry& squadron, const std::string& position) {
  squadron.SquadronTakeOffLeg = "TAKEOFF " + position;
  squadron.SquadronLandingLeg = "LANDING " + position;
}

void ClearLegs(SquadronEntry& squadron) {
  squadron.SquadronTakeOffLeg.clear();
  squadron.SquadronLandingLeg.clear();
}

void RemoveBase(SquadronEntry& squadron) {
  squadron.SquadronHomeBase = "Unknown";
  ClearLegs(squadron);
}

void Adopt(SquadronEntry& squadron, const LocationEntry& location) {
  squadron.SquadronHomeBase = location.LocationName;
  SetLegs(squadron, location.LocationPosition);
}

// A location whose kind serves the squadron's aircraft: airfields and airstrips for land
// planes, ports and harbours for seaplanes.
bool KindSuits(const SquadronEntry& squadron, const std::string& name) {
  if (IsSeaplaneSquadron(squadron)) {
    return Contains(name, "_Port") || Contains(name, "Seaplane_Base") || Contains(name, "Harbor");
  }
  return Contains(name, "Airstrip") || Contains(name, "Airfield");
}

// A land base for re-basing: only the player's bombers may use an airstrip.
bool LandBaseFor(const SquadronEntry& squadron, int index, const std::string& name) {
  if (IsSeaplaneSquadron(squadron)) return false;
  const bool airstrip_allowed = squadron.SquadronRole != "2" || IsPlayer(index);
  return (Contains(name, "Airstrip") && airstrip_allowed) || Contains(name, "Airfield");
}

bool SeaplaneBaseFor(const SquadronEntry& squadron, const std::string& name,
                     std::string_view seaplane_word) {
  return IsSeaplaneSquadron(squadron) &&
         (Contains(name, seaplane_word) || Contains(name, "_Port") || Contains(name, "Harbor"));
}

const LocationTableType& Locations(const TMainForm& form) {
  return form.LocationTable;
}

bool InFrontRadius(TMainForm& form, const LocationEntry& location) {
  return TDistance(form, location.LocationPosition, form.FrontCenterPosition, "Y") == "Y";
}

void PrepareMap(TMainForm& form) {
  if (form.LastLocation < 0) LoadCampaignMap(form);
  if (std::as_const(form.LocationTable)[0].LocationArmy.empty()) {
    ReadTerritory(form);
    SetTgtNation(form, 0);
    FrontObjects(form);
  }
  if (form.LastColumn < 0) ColumnList(form);
}

void RemoveReservedBase(SquadronEntry& squadron) {
  const std::string& base = squadron.SquadronHomeBase;
  const std::string& nation = squadron.SquadronNation;
  const bool soviet_or_axis = nation == "ru" || squadron.SquadronArmy == "2";
  const bool japanese = nation == "in" || nation == "ja";
  if ((Contains(base, "English_") && soviet_or_axis) ||
      (Contains(base, "Rabaul_Airfield") && !japanese) ||
      (Contains(base, "Townsville_Airfield") && soviet_or_axis) ||
      (Contains(base, "Lunga_Airstrip") && japanese)) {
    RemoveBase(squadron);
  }
}

// What the check of one run works from: the map does not change while squadrons are checked.
struct BaseCheck {
  explicit BaseCheck(TMainForm& checked_form) : form(checked_form) {
    const LocationTableType& locations = Locations(form);
    for (int j = 0; j <= form.LastLocation; ++j) {
      if (NamesABase(locations[j].LocationName)) base_locations.push_back(j);
    }
  }

  TMainForm& form;
  // Locations whose name makes them a land or seaplane base, in table order: no other location
  // can take a squadron, so re-basing visits only these.
  std::vector<int> base_locations;
  // Per army text: whether the side holds a safe location within the front's radius.
  std::map<std::string, bool, std::less<>> safe_near_front;
};

// In a dogfight campaign with transfers, a base far from the front is given up when the side
// holds a safe location within the front's radius.
bool OwnSafeLocationNearFront(BaseCheck& check, const SquadronEntry& squadron) {
  const auto known = check.safe_near_front.find(squadron.SquadronArmy);
  if (known != check.safe_near_front.end()) return known->second;
  TMainForm& form = check.form;
  bool found = false;
  for (int k = 0; k <= form.LastLocation && !found; ++k) {
    const LocationEntry& location = Locations(form)[k];
    found = location.LocationArmy == squadron.SquadronArmy && location.LocationNearEnemy != "Y" &&
            InFrontRadius(form, location);
  }
  check.safe_near_front.emplace(squadron.SquadronArmy, found);
  return found;
}

void CheckBaseLocation(BaseCheck& check, int index, int j) {
  TMainForm& form = check.form;
  SquadronEntry& squadron = form.SquadronTable[index];
  const LocationEntry& location = Locations(form)[j];
  const bool dogfight = form.Dogfight.Checked;
  // An owner not known yet (the territory not read) is no other side's.
  const bool other_side =
      !location.LocationArmy.empty() && location.LocationArmy != squadron.SquadronArmy;
  if (dogfight && squadron.SquadronHomeBase == location.LocationName && other_side) {
    RemoveBase(squadron);
  }
  if (dogfight && !form.NoTransfers.Checked && squadron.SquadronHomeBase == location.LocationName &&
      !InFrontRadius(form, location)) {
    ClearLegs(squadron);
    if (OwnSafeLocationNearFront(check, squadron)) RemoveBase(squadron);
  }
  if (squadron.SquadronHomeBase != location.LocationName) return;
  if (KindSuits(squadron, location.LocationName)) SetLegs(squadron, location.LocationPosition);
  const bool bomber = squadron.SquadronRole == "2" && !IsPlayer(index);
  if (Contains(location.LocationName, "Airstrip") && (IsSeaplaneSquadron(squadron) || bomber)) {
    RemoveBase(squadron);
    ErrorLog(form, squadron.SquadronName + " was removed from an airstrip.");
    return;
  }
  const bool owned = location.LocationArmy == "1" || location.LocationArmy == "2";
  if (owned && location.LocationArmy != squadron.SquadronArmy && !IsPlayer(index)) {
    RemoveBase(squadron);
    ErrorLog(form, squadron.SquadronName + " was removed from an enemy base.");
  }
}

// Every location named as the base, in table order; a check that removes the base goes on
// with the locations after it that bear the new name, as a scan of the whole table would.
void CheckBaseLocations(BaseCheck& check, int index) {
  const SquadronEntry& squadron = check.form.SquadronTable[index];
  for (int j = FindLocation(check.form, squadron.SquadronHomeBase); j >= 0;
       j = FindLocationAfter(check.form, squadron.SquadronHomeBase, j)) {
    CheckBaseLocation(check, index, j);
  }
}

bool IsCarrier(const ColumnEntry& column) {
  return Contains(column.ColumnType, "Ship") && Contains(column.ColumnType, "CV") &&
         !Contains(column.ColumnType, "LCVP");
}

// The position of a route point: the text before its altitude field ("x y 20.00 ..."); a point
// written without one gives its first two fields.
std::string RoutePointPosition(const std::string& point) {
  size_t end = point.find(" 20.00 ");
  if (end == std::string::npos) end = point.find(" 120.00 ");
  if (end == std::string::npos) {
    const std::string trimmed = Trim(point);
    const size_t first_blank = trimmed.find(' ');
    end = first_blank == std::string::npos ? first_blank : trimmed.find(' ', first_blank + 1);
    return trimmed.substr(0, end);
  }
  return Trim(point.substr(0, end));
}

void CheckCarrier(TMainForm& form, int index, const ColumnEntry& column) {
  SquadronEntry& squadron = form.SquadronTable[index];
  if (!IsCarrier(column) || column.ColumnUnitName != squadron.SquadronHomeBase ||
      IsSeaplaneSquadron(squadron)) {
    return;
  }
  const std::string first = column.ColumnRoute[0];
  const std::string second = column.ColumnRoute[1];
  if (first.empty()) {
    // Of several locations with the place's name the last one counts, as in a scan.
    for (int j = FindLocation(form, column.ColumnPlace); j >= 0;
         j = FindLocationAfter(form, column.ColumnPlace, j)) {
      SetLegs(squadron, Locations(form)[j].LocationPosition);
    }
  } else if (!second.empty()) {
    squadron.SquadronTakeOffLeg = "TAKEOFF " + RoutePointPosition(first);
    squadron.SquadronLandingLeg = "LANDING " + RoutePointPosition(second);
  }
  if (column.ColumnArmy != squadron.SquadronArmy) {
    RemoveBase(squadron);
    ErrorLog(form, squadron.SquadronName + " was removed from an enemy carrier.");
  }
}

// Kind and side pass; once the squadron has a base, a later candidate replaces it only when
// a draw over four gives 0. The draw is used up whatever the remaining conditions say.
bool Candidate(TMainForm& form, const SquadronEntry& squadron, const LocationEntry& location,
               bool kind) {
  if (!kind || location.LocationArmy != squadron.SquadronArmy) return false;
  return squadron.SquadronLandingLeg.empty() || form.Random(4) == 0;
}

// Three bases are closed by their exact names; two of them only to Soviet squadrons.
bool ClosedToAllied(const SquadronEntry& squadron, const std::string& name) {
  if (name == "Rabaul_Airfield") return true;
  const bool soviet = squadron.SquadronNation == "ru";
  return soviet && (name == "English_Airfield" || name == "Townsville_Airfield");
}

// Every column whose unit name is the base, in table order; a carrier that removes the base
// hands on to the columns after it that bear the new name, as a scan of the whole table would.
void CheckCarriers(TMainForm& form, int index) {
  const SquadronEntry& squadron = form.SquadronTable[index];
  const ColumnTableType& columns = form.ColumnTable;
  for (int c = FindColumnByUnitName(form, squadron.SquadronHomeBase); c >= 0;
       c = FindColumnByUnitNameAfter(form, squadron.SquadronHomeBase, c)) {
    CheckCarrier(form, index, columns[c]);
  }
}

void RebaseAllied(BaseCheck& check, int index) {
  TMainForm& form = check.form;
  SquadronEntry& squadron = form.SquadronTable[index];
  for (const int j : check.base_locations) {
    const LocationEntry& location = Locations(form)[j];
    const std::string& name = location.LocationName;
    if (ClosedToAllied(squadron, name)) continue;
    const bool land = LandBaseFor(squadron, index, name);
    const bool seaplane = SeaplaneBaseFor(squadron, name, "Seaplane_Base");
    const bool safe = location.LocationNearEnemy != "Y";
    for (const bool kind : {land, seaplane}) {
      if (Candidate(form, squadron, location, kind) && safe && InFrontRadius(form, location)) {
        Adopt(squadron, location);
      }
    }
    for (const bool kind : {land, seaplane}) {
      if (Candidate(form, squadron, location, kind) && safe) Adopt(squadron, location);
    }
  }
}

bool ClosedToAxis(const SquadronEntry& squadron, const std::string& name) {
  const bool japanese = squadron.SquadronNation == "in" || squadron.SquadronNation == "ja";
  return name == "Lunga_Airstrip" || Contains(name, "English_") ||
         (name == "Rabaul_Airfield" && !japanese) || name == "Townsville_Airfield";
}

void RebaseAxis(BaseCheck& check, int index) {
  TMainForm& form = check.form;
  SquadronEntry& squadron = form.SquadronTable[index];
  for (auto j = check.base_locations.rbegin(); j != check.base_locations.rend(); ++j) {
    const LocationEntry& location = Locations(form)[*j];
    const std::string& name = location.LocationName;
    if (ClosedToAxis(squadron, name)) continue;
    if (Candidate(form, squadron, location, LandBaseFor(squadron, index, name))) {
      Adopt(squadron, location);
    }
    if (Candidate(form, squadron, location, SeaplaneBaseFor(squadron, name, "Seaplane"))) {
      Adopt(squadron, location);
    }
  }
}

void CheckSquadron(BaseCheck& check, int index) {
  SquadronEntry& squadron = check.form.SquadronTable[index];
  RemoveReservedBase(squadron);
  CheckBaseLocations(check, index);
  CheckCarriers(check.form, index);
  if (!squadron.SquadronTakeOffLeg.empty()) return;
  if (squadron.SquadronArmy == "1") RebaseAllied(check, index);
  if (squadron.SquadronArmy == "2") RebaseAxis(check, index);
}

}  // namespace

bool NamesABase(std::string_view name) {
  return ContainsAny(name, {"Airstrip", "Airfield", "Seaplane", "_Port", "Harbor"});
}

void SquadronBase(TMainForm& form) {
  PrepareMap(form);
  BaseCheck check(form);
  for (int i = 0; i <= form.LastSquadron; ++i) {
    // A squadron deleted in an editor keeps its place with an empty name until the next save.
    if (form.SquadronTable[i].SquadronName.empty()) continue;
    CheckSquadron(check, i);
  }
  Distance(form, form.FrontCenterPosition, 0, 0);  // may widen the action radius to the front
  if (form.SquadronTable[0].SquadronHomeBase == "Unknown") {
    const std::string& message = form.Messages.Text(MessageSection::kErrors, 10);
    ErrorLog(form, message);
    ErrorTrap(form, message);
  }
  ErrorLog(form, "Squadron base routine ended.");
}

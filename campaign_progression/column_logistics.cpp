#include "campaign_progression/column_logistics.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "campaign_progression/armour_changes.h"
#include "campaign_progression/armour_types.h"
#include "campaign_progression/dogfight_ground_objects.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/news_items.h"
#include "campaign_progression/place_index.h"
#include "campaign_progression/territory_capture.h"
#include "platform/ascii.h"

namespace {

constexpr int kLandingNews = 8;
constexpr int kPatrolEntries = 12;

bool IsTrainOrShip(const ColumnEntry& column) {
  return ContainsAny(column.ColumnType, {"Train", "Ship"});
}

std::string OtherSide(const std::string& side) {
  return side == "2" ? "1" : "2";
}

// The town part of a transport's place before a harbour or station word and the one character
// joining them ("Naha_Harbor" -> "Naha"); empty when the word is not there.
std::string TownBefore(const std::string& place, const std::string& word) {
  return Copy(place, 1, Pos(word, place) - 2);
}

// A place without its first "_Station" ("Kursk_Station_2" -> "Kursk_2").
std::string StationTown(const std::string& place) {
  std::string town = place;
  const size_t at = town.find("_Station");
  if (at != std::string::npos) town.erase(at, 8);
  return town;
}

class ColumnLogistics {
 public:
  explicit ColumnLogistics(TMainForm& form)
      : form_(form),
        places_(CurrentPlaces(form)),
        used_(static_cast<size_t>(form.LastColumn + 1), false) {
    for (int i = 0; i <= form.LastLocation; ++i) {
      const std::string& name = std::as_const(form.LocationTable)[i].LocationName;
      if (ContainsAny(name, {"_Depot", "_Camp"}) && !Contains(name, "_Rail")) depots_.push_back(i);
    }
    for (int c = 0; c <= form.LastColumn; ++c) {
      const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
      if (AsciiLowerCase(column.ColumnUnitName) != "sunk") afloat_names_.insert(column.ColumnName);
      columns_named_[column.ColumnName].push_back(c);
      if (IsEquipmentTrain(column)) equipment_trains_.push_back(c);
    }
  }

  void PrepareColumn(int c) {
    RefillDestroyedArmour(c);
    ColumnEntry& column = form_.ColumnTable[c];
    if (column.ColumnPlace == "Blank") {
      ArmorUpGrade(form_, c);
      column.ColumnArmorChange = "Y";
    }
    ReinforcementDraw(c);
    if (Contains(column.ColumnType, "Armor")) Resupply(c);
    // The transports named as the place, in index order; the place is checked after the first
    // column, and an unload may move the column on.
    if (form_.LastColumn >= 0) {
      if (column.ColumnPlace == std::as_const(form_.ColumnTable)[0].ColumnName &&
          column.ColumnTransportLink != "Y") {
        Unload(c, 0);
      }
      CheckPlaceKnown(c);
      for (int k = NextColumnNamed(column.ColumnPlace, 1); k >= 0;
           k = NextColumnNamed(column.ColumnPlace, k + 1)) {
        if (column.ColumnTransportLink != "Y") Unload(c, k);
      }
    }
    if (column.ColumnPlace == "Reserve" && !IsTrainOrShip(column)) Airlift(c);
    DeployAtDepot(c);
    DeployInZone(c);
    NoteTypeOf(c);
  }

  const PlaceIndex& Places() const { return places_; }

  // Ships take contested places, trains on the enemy's ground are lost, columns meeting the
  // enemy are engaged.
  void MeetEnemy() {
    const ColumnsByPlace at_place(form_);
    for (int c = 0; c <= form_.LastColumn; ++c) {
      ColumnEntry& column = form_.ColumnTable[c];
      const int l = places_.Find(column.ColumnPlace);
      if (l < 0) continue;
      LocationEntry& location = form_.LocationTable[l];
      const std::string& type = column.ColumnType;
      if (Contains(type, "Ship") && location.LocationArmy == "0") {
        location.LocationArmy = column.ColumnArmy;
      }
      if (Contains(type, "Train") && location.LocationArmy != column.ColumnArmy) {
        column.ColumnPlace = "Blank";
        column.ColumnDestination = "Blank";
        column.ColumnStatus.clear();
        continue;
      }
      if (ContainsAny(type, {"Armor", "CarsColumn"}) && location.LocationArmy != "0" &&
          location.LocationArmy != column.ColumnArmy) {
        column.ColumnStatus = "Y";
      }
      if (column.ColumnPlace == form_.PatrolText[0]) continue;
      for (const int j : at_place.At(column.ColumnPlace)) {
        ColumnEntry& other = form_.ColumnTable[j];
        if (other.ColumnPlace != column.ColumnPlace || other.ColumnArmy == column.ColumnArmy) {
          continue;
        }
        column.ColumnStatus = "Y";
        other.ColumnStatus = "Y";
        location.LocationArmy = "0";
      }
    }
  }

  // Which way each column is pushed.
  void SetHeadings() {
    for (int c = 0; c <= form_.LastColumn; ++c) {
      ColumnEntry& column = form_.ColumnTable[c];
      if (column.ColumnPlace == "Reserve") column.ColumnPlace = "Blank";
      const int l = places_.Find(column.ColumnPlace);
      if (l < 0) continue;
      const LocationEntry& location = std::as_const(form_.LocationTable)[l];
      const std::string& type = column.ColumnType;
      const bool land = !Contains(type, "Ship");
      if (ContainsAny(type, {"Armor", "Vehicles"}) && location.LocationArmy == "0" &&
          column.ColumnStatus != "L") {
        column.ColumnStatus = "Y";
      }
      column.ColumnPlaceOwner = location.LocationArmy;
      column.ColumnHeading = column.ColumnArmy;
      if (land && location.LocationArmy == OtherSide(column.ColumnArmy) &&
          column.ColumnPlace != form_.PatrolText[0] && column.ColumnStatus != "L") {
        column.ColumnStatus = "Y";
        column.ColumnHeading = OtherSide(column.ColumnArmy);
      }
      if (land && column.ColumnStatus == "Y") column.ColumnHeading = OtherSide(column.ColumnArmy);
    }
  }

 private:
  // The first column from index `from` on whose name is `name`; -1 when none.
  int NextColumnNamed(std::string_view name, int from) const {
    const auto found = columns_named_.find(name);
    if (found == columns_named_.end()) return -1;
    const std::vector<int>& columns = found->second;
    const auto at = std::lower_bound(columns.begin(), columns.end(), from);
    return at == columns.end() ? -1 : *at;
  }

  int Chance(const ColumnEntry& column) const {
    if (column.ColumnArmy == "1") return form_.ReinforcementChance[0];
    if (column.ColumnArmy == "2") return form_.ReinforcementChance[1];
    return 0;
  }

  // A destroyed armour column comes back at its type's full count, off the map.
  void RefillDestroyedArmour(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    if (!Contains(column.ColumnType, "Armor.0-")) return;
    const int type = ArmourTypeOf(form_, column.ColumnType);
    if (type >= 0) {
      const std::string full = "." + form_.ArmorTable[type].ArmorName.substr(0, 1) + "-";
      column.ColumnType.replace(column.ColumnType.find(".0-"), 3, full);
    } else {
      ErrorLog(form_, "Column " + column.ColumnName + " (" + column.ColumnType +
                          ") is of no armour type of armor.tavrek; it is not refilled.");
    }
    column.ColumnPlace = "Blank";
    column.ColumnStatus.clear();
  }

  void ReinforcementDraw(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    const int chance = Chance(column);
    if (form_.Random(100) < chance && column.ColumnPlace == "Blank" && !IsTrainOrShip(column)) {
      column.ColumnPlace = "Reserve";
      ErrorLog(form_, column.ColumnName + " [" + IntToStr(chance) + "%] moves to reserve.");
    }
  }

  static bool IsEquipmentTrain(const ColumnEntry& column) {
    return Contains(column.ColumnType, "Train") && Contains(column.ColumnType, "_Equipment");
  }

  // Only the prepared column's type changes while it is prepared: once it is done, a column that
  // has become an equipment train is looked at by the columns after it.
  void NoteTypeOf(int c) {
    if (!IsEquipmentTrain(std::as_const(form_.ColumnTable)[c])) return;
    const auto at = std::lower_bound(equipment_trains_.begin(), equipment_trains_.end(), c);
    if (at == equipment_trains_.end() || *at != c) equipment_trains_.insert(at, c);
  }

  // An equipment train of the side at the armour's town fills it up to its type's count. The
  // trains are taken in index order: those listed, and the armour itself in its place.
  void Resupply(int c) {
    const ColumnEntry& column = std::as_const(form_.ColumnTable)[c];
    const int l = places_.Find(column.ColumnPlace);
    if (l < 0 || std::as_const(form_.LocationTable)[l].LocationArmy != column.ColumnArmy) return;
    bool armour_asked = false;
    for (const int k : equipment_trains_) {
      if (!armour_asked && k >= c) {
        armour_asked = true;
        if (k != c) ResupplyFrom(c, c);
      }
      ResupplyFrom(c, k);
    }
    if (!armour_asked) ResupplyFrom(c, c);
  }

  void ResupplyFrom(int c, int k) {
    ColumnEntry& column = form_.ColumnTable[c];
    const ColumnEntry& train = form_.ColumnTable[k];
    if (used_[static_cast<size_t>(k)] || !IsEquipmentTrain(train) ||
        train.ColumnArmy != column.ColumnArmy ||
        StationTown(train.ColumnPlace) != column.ColumnPlace) {
      return;
    }
    for (int type = 0; type <= form_.LastArmor; ++type) {
      const std::string& name = form_.ArmorTable[type].ArmorName;
      if (!Contains(column.ColumnType, ArmourKey(name))) continue;
      const size_t dot = column.ColumnType.find('.');
      const std::string count =
          dot == std::string::npos ? std::string() : Trim(column.ColumnType.substr(dot + 1, 1));
      const size_t at_count = column.ColumnType.find(count + "-");
      if (at_count != std::string::npos) {
        column.ColumnType.replace(at_count, count.size() + 1, name.substr(0, 1) + "-");
      }
      ErrorLog(form_, column.ColumnName + " resupplied.");
      used_[static_cast<size_t>(k)] = true;
    }
  }

  // A carried column may land at the harbour, station or port its transport is at.
  void Unload(int c, int k) {
    const ColumnEntry& transport = form_.ColumnTable[k];
    const std::string& place = transport.ColumnPlace;
    struct Landing {
      std::string town;
      int kind;  // 0 harbour, 1 station, 2 port
    };
    const Landing landings[] = {{TownBefore(place, "Harbor"), 0},
                                {TownBefore(place, "Station"), 1},
                                {Copy(place, 1, Pos("_Port", place) - 1), 2}};
    std::vector<std::pair<int, int>> tries;  // location, kind
    for (const Landing& landing : landings) {
      const int l = landing.town.empty() ? -1 : places_.Find(landing.town);
      if (l >= 0 && !places_.OffMap(landing.town)) tries.emplace_back(l, landing.kind);
    }
    std::stable_sort(tries.begin(), tries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [l, kind] : tries) TryLanding(c, k, l, kind);
  }

  void TryLanding(int c, int k, int l, int kind) {
    ColumnEntry& cargo = form_.ColumnTable[c];
    ColumnEntry& transport = form_.ColumnTable[k];
    const LocationEntry& location = std::as_const(form_.LocationTable)[l];
    const bool draw = form_.Random(2) == 0;
    const bool forced = form_.TimeTableCapture != "Y";
    bool lands = false;
    if (kind == 0) lands = draw || (location.LocationArmy != transport.ColumnArmy && forced);
    if (kind == 1) lands = draw || (location.LocationArmy == "0" && forced);
    if (kind == 2) lands = draw && location.LocationArmy == cargo.ColumnArmy;
    if (!lands) return;
    cargo.ColumnPlace = location.LocationName;
    cargo.ColumnDestination = location.LocationName;
    cargo.ColumnStatus = "L";
    transport.ColumnStatus = "L";
    cargo.ColumnHeading = cargo.ColumnArmy;
    transport.ColumnHeading = transport.ColumnArmy;
    used_[static_cast<size_t>(k)] = true;
    cargo.ColumnTransportLink.clear();
    transport.ColumnTransportLink.clear();
    ErrorLog(form_, cargo.ColumnUnitName + " unloaded by " + transport.ColumnUnitName + " at " +
                        transport.ColumnPlace + ".");
    if (kind == 0 && location.LocationArmy != cargo.ColumnArmy) AddLandingNews(location, cargo);
  }

  void AddLandingNews(const LocationEntry& location, const ColumnEntry& cargo) {
    const std::string tail = " " + MapCoordinate(form_, location.LocationPosition) + ". ";
    const NewsLine news = News(form_, kLandingNews);
    const std::string item = NewsSentence(form_, news.text + tail, cargo.ColumnArmy,
                                          location.LocationName, FillOrder::kPlaceFirst);
    if (!Contains(form_.ColumnNews, item)) {
      form_.ColumnNews += item;
      form_.ColumnNewsRu += NewsSentence(form_, news.text_ru + tail, cargo.ColumnArmy,
                                         location.LocationName, FillOrder::kPlaceFirst);
    }
    for (int twice = 0; twice < 2; ++twice) {
      form_.ColumnNews = RemoveBridgeNo(form_, form_.ColumnNews);
      form_.ColumnNewsRu = RemoveBridgeNo(form_, form_.ColumnNewsRu);
    }
    if (form_.Language == "English") {
      for (int twice = 0; twice < 2; ++twice) form_.ColumnNews = ArticleFix(form_.ColumnNews);
    }
  }

  // A column must stand somewhere the map knows: a location, a patrol area or a transport
  // afloat. Any other place sends it to the reserve; a blank land column that missed the
  // reinforcement draw stays off the map.
  void CheckPlaceKnown(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    const std::string& place = column.ColumnPlace;
    if (place == "Reserve") return;
    if (afloat_names_.count(place) > 0) return;
    if (places_.HasTrimmed(TrimView(place))) {
      if (column.ColumnStatus != "L") column.ColumnStatus.clear();
      return;
    }
    const std::string& allied_patrol = form_.PatrolText[0];
    const std::string& axis_patrol = form_.PatrolText[kPatrolEntries];
    if ((!allied_patrol.empty() && place == allied_patrol) ||
        (!axis_patrol.empty() && place == axis_patrol)) {
      return;
    }
    if (place != "Blank") {
      ErrorLog(form_, "Column " + column.ColumnName + " of columns.tavrek stands at " + place +
                          ", which is no place of the map; it goes to the reserve.");
    }
    if (!(place == "Blank" && !IsTrainOrShip(column))) column.ColumnPlace = "Reserve";
    column.ColumnStatus.clear();
  }

  // Transport gliders of the side may fly a reserve column to their base.
  void Airlift(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    for (int q = 0; q <= form_.LastSquadron; ++q) {
      const SquadronEntry& squadron = form_.SquadronTable[q];
      if (squadron.SquadronArmy != column.ColumnArmy) continue;
      if (form_.Random(3) == 0 && squadron.SquadronClass == "Class air.ME_323") {
        column.ColumnPlace = squadron.SquadronHomeBase;
      }
      if (column.ColumnPlace != "Reserve" && !places_.HasTrimmed(TrimView(column.ColumnPlace))) {
        column.ColumnPlace = "Reserve";
        column.ColumnStatus.clear();
      }
    }
  }

  void Deploy(ColumnEntry& column, const std::string& place) {
    column.ColumnPlace = place;
    column.ColumnDestination = place;
    column.ColumnStatus = "L";
    column.ColumnHeading = column.ColumnArmy;
  }

  void DeployAtDepot(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    for (const int l : depots_) {
      const LocationEntry& depot = std::as_const(form_.LocationTable)[l];
      if (column.ColumnStatus == "L" || depot.LocationArmy != column.ColumnArmy ||
          column.ColumnPlace != "Reserve") {
        continue;
      }
      if (form_.Random(3) == 0 && !IsTrainOrShip(column)) Deploy(column, depot.LocationName);
    }
  }

  void DeployInZone(int c) {
    ColumnEntry& column = form_.ColumnTable[c];
    if (column.ColumnPlace != "Reserve" || IsTrainOrShip(column)) return;
    const std::string& allied_zone = form_.RuZoneText;
    if (column.ColumnArmy == "1" && !allied_zone.empty() && !Contains(allied_zone, "English_") &&
        !places_.OffMap(allied_zone)) {
      Deploy(column, allied_zone);
    }
    if (column.ColumnArmy == "2" && column.ColumnPlace == "Reserve" && !form_.DeZoneText.empty() &&
        !places_.OffMap(form_.DeZoneText)) {
      Deploy(column, form_.DeZoneText);
    }
  }

  TMainForm& form_;
  const PlaceIndex& places_;
  std::unordered_set<std::string> afloat_names_;
  // Columns by name, in index order; no step here renames a column. Keys are views of the
  // column table's names.
  std::unordered_map<std::string_view, std::vector<int>> columns_named_;
  std::vector<int> depots_;  // "_Depot" and "_Camp" locations in index order
  // Columns that are, or were when last looked at, equipment trains; in index order.
  std::vector<int> equipment_trains_;
  std::vector<bool> used_;  // equipment trains and transports that served in this call
};

}  // namespace

void ColumnLocation(TMainForm& form, const std::string& mode) {
  // No step here renames a location or moves one off the map, so one look at the location
  // table serves the whole call.
  ColumnLogistics logistics(form);
  for (int c = 0; c <= form.LastColumn; ++c) logistics.PrepareColumn(c);
  if (mode == "Yes") {
    std::vector<int> bringing_troops;
    for (int c = 0; c <= form.LastColumn; ++c) {
      if (ContainsAny(form.ColumnTable[c].ColumnType, {"CarsColumn", "Train", "Ship"})) {
        bringing_troops.push_back(c);
      }
    }
    TroopBuildup(form, bringing_troops, logistics.Places());
  }
  logistics.MeetEnemy();
  logistics.SetHeadings();
  SetRoF(form);
  WriteColumnList(form);
}

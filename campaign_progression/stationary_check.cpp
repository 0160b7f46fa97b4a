#include "campaign_progression/stationary_check.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/run_log.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_end.h"
#include "campaign_progression/location_kinds.h"
#include "campaign_progression/part_search.h"
#include "campaign_progression/place_index.h"
#include "campaign_progression/stationary_lines.h"
#include "campaign_progression/transports.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

constexpr int kNoFrontCentreError = 0;

// What the check needs of the campaign, looked up once.
class CheckContext {
 public:
  explicit CheckContext(TMainForm& form)
      : places(CurrentPlaces(form)),
        columns(form),
        columns_at_(LocationCount(form)),
        squadrons_at_(LocationCount(form)) {
    for (int s = 0; s <= form.LastSquadron; ++s) {
      const SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.SquadronName.empty()) continue;
      AddAtLocationsNamed(form, squadron.SquadronHomeBase, s, squadrons_at_);
      trimmed_bases.insert(Trim(squadron.SquadronHomeBase));
    }
    for (int c = 0; c <= form.LastColumn; ++c) {
      AddAtLocationsNamed(form, std::as_const(form.ColumnTable)[c].ColumnPlace, c, columns_at_);
    }
    const int today = form.CampaignYear * 100 + form.CampaignMonth;
    for (int k = 0; k <= form.LastArmor; ++k) {
      const ArmorEntry& armour = form.ArmorTable[k];
      std::string key = Trim(Copy(armour.ArmorName, 3, static_cast<int>(armour.ArmorName.size())));
      if (key == "ZSU-37") key = "ZSU37";
      if (key == "SU-75") key = "SU75";
      if (!key.empty() && StrToInt(armour.ArmorServiceStart) > today) not_in_service.push_back(key);
    }
  }

  // The squadrons based at, and the columns standing at, a location (by index, 0..LastLocation):
  // those whose base or place is its name, in index order.
  const std::vector<int>& SquadronsAt(int location) const {
    return squadrons_at_[static_cast<size_t>(location)];
  }
  const std::vector<int>& ColumnsAt(int location) const {
    return columns_at_[static_cast<size_t>(location)];
  }

  const PlaceIndex& places;
  ColumnsByPlace columns;
  std::unordered_set<std::string> trimmed_bases;
  std::vector<std::string> not_in_service;  // armour type names

 private:
  static size_t LocationCount(const TMainForm& form) {
    return static_cast<size_t>(std::max(form.LastLocation + 1, 0));
  }

  // Looks the few names up rather than every location's name: there are far more locations.
  static void AddAtLocationsNamed(const TMainForm& form, const std::string& name, int entry,
                                  std::vector<std::vector<int>>& at) {
    for (int l = FindLocation(form, name); l >= 0; l = FindLocationAfter(form, name, l)) {
      at[static_cast<size_t>(l)].push_back(entry);
    }
  }

  std::vector<std::vector<int>> columns_at_;
  std::vector<std::vector<int>> squadrons_at_;
};

// The object's place: its nearest location, or none (then its texts are empty). The texts are
// the location's own.
struct Place {
  int index = -1;
  bool known = false;
  const std::string& name;   // N
  const std::string& owner;  // O
  const std::string& position;
};

bool IsSupplyColumn(const std::string& type) {
  return ContainsAny(type, {"Ship", "Train", "CarsColumn"}) &&
         !ContainsAny(type, {"GermanyCarsColumnC", "RussiaCarsColumnC", "RussiaCarsColumnD",
                             "JapanCarsColumnA", "RussiaCarsColumnE", "USACarsColumnC"});
}

// A supply column, or a ship at a harbour, of the side at the place.
bool ColumnSupportAt(const TMainForm& form, const CheckContext& context, const Place& place,
                     const std::string& side) {
  for (const int c : context.ColumnsAt(place.index)) {
    const ColumnEntry& column = form.ColumnTable[c];
    if (column.ColumnArmy != side) continue;
    if (column.ColumnArmy == place.owner && IsSupplyColumn(column.ColumnType)) return true;
    if ((place.owner == "0" || place.owner == column.ColumnArmy) &&
        Contains(column.ColumnType, "Ship") &&
        ContainsAny(place.name, {"Harbor", "_Port", "_Bay"})) {
      return true;
    }
  }
  return false;
}

// A ship of the side in the place's harbour, port or bay: it serves a transport's objects.
bool ShipInWatersOf(const TMainForm& form, const CheckContext& context, const Place& place,
                    const std::string& side) {
  for (const char* water : {"_Harbor", "_Port", "_Bay"}) {
    for (const int c : context.columns.At(place.name + water)) {
      const ColumnEntry& column = form.ColumnTable[c];
      if (column.ColumnArmy == side && Contains(column.ColumnType, "Ship")) return true;
    }
  }
  return false;
}

// A transport squadron of the side with aircraft based at the place.
bool TransportSquadronAt(const TMainForm& form, const CheckContext& context, const Place& place,
                         const std::string& side) {
  for (const int s : context.SquadronsAt(place.index)) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronRole == "3" && StrToInt(squadron.PlanesFlight) > 0 &&
        squadron.SquadronArmy == side) {
      return true;
    }
  }
  return false;
}

// Columns and transport squadrons of the object's side at its place keep it going. The check
// changes neither columns nor squadrons, so the answers for a place and side "0", "1" or "2"
// are kept for the next object there.
class PlaceSupport {
 public:
  PlaceSupport(const TMainForm& form, const CheckContext& context)
      : form_(form),
        context_(context),
        answers_(static_cast<size_t>(std::max(form.LastLocation + 1, 0))) {}

  // Only for a known place. The three kinds of support are asked in the order of the rule, as
  // a squadron's flight size that is no number stops the check at the same object.
  bool Supported(const Place& place, const std::string& side, const std::string& line) {
    Answers* const kept = Kept(place, side);
    Answers answers = kept != nullptr ? *kept : Answers{};
    const bool supported =
        Answer(answers.columns, [&] { return ColumnSupportAt(form_, context_, place, side); }) ||
        (TransportType(line) == "Y" &&
         Answer(answers.afloat, [&] { return ShipInWatersOf(form_, context_, place, side); })) ||
        Answer(answers.squadrons,
               [&] { return TransportSquadronAt(form_, context_, place, side); });
    if (kept != nullptr) *kept = answers;
    return supported;
  }

 private:
  static constexpr signed char kUnknown = -1;
  struct Answers {
    signed char columns = kUnknown;
    signed char afloat = kUnknown;
    signed char squadrons = kUnknown;
  };

  template <typename Ask>
  static bool Answer(signed char& answer, Ask ask) {
    if (answer == kUnknown) answer = ask() ? 1 : 0;
    return answer == 1;
  }

  Answers* Kept(const Place& place, const std::string& side) {
    if (side.size() != 1 || side[0] < '0' || side[0] > '2') return nullptr;
    return &answers_[static_cast<size_t>(place.index)][static_cast<size_t>(side[0] - '0')];
  }

  const TMainForm& form_;
  const CheckContext& context_;
  std::vector<std::array<Answers, 3>> answers_;  // by location, then side
};

std::string NationSuffix(const std::string& nation) {
  if (nation == "um" || nation == "un") return " us";
  if (nation == "in") return " ja";
  if (nation == "ra") return " gb";
  if (nation == "ru" || nation == "de") return "";
  return " " + nation;
}

std::string WithoutFirst(std::string text, const std::string& part) {
  const size_t at = text.find(part);
  if (at != std::string::npos) text.erase(at, part.size());
  return text;
}

// A parked plane shows the aircraft of a squadron of its side based at its place (one of them
// at random when there are several); with none there it is switched off.
void ParkPlanes(TMainForm& form, const CheckContext& context, const Place& place,
                const std::string& side, std::string& line) {
  std::string previous_type;
  for (const int s : context.SquadronsAt(place.index)) {
    const SquadronEntry& squadron = form.SquadronTable[s];
    const std::string& army = squadron.SquadronArmy;
    const bool own_side = side == army || side == "0";
    const bool listed = squadron.SquadronClass != "Class air.SPITFIRE925LBS" &&
                        squadron.SquadronClass != "Class air.FW_190A5165ATA";
    if (own_side && army == place.owner && listed &&
        (previous_type.empty() || form.Random(3) == 0)) {
      const size_t type_at = line.find("Plane$") + 6;
      previous_type = line.substr(type_at, line.find(' ', type_at) - type_at);
      const std::string type =
          Trim(Copy(squadron.SquadronClass, 11, static_cast<int>(squadron.SquadronClass.size())));
      line.replace(type_at, previous_type.size(), type);
      line = ActivatedLine(line) + " ";
      for (const char* nation :
           {" fi ", " fr ", " gb ", " ra ", " rn ", " rz ", " hu ", " it ", " ja ", " pl ", " ro ",
            " sk ", " us ", " um ", " un ", " in ", " null"}) {
        line = WithoutFirst(line, nation);
      }
      if (!Contains(line, " nn")) line = "  " + Trim(line) + NationSuffix(squadron.SquadronNation);
    } else if (!own_side && army != place.owner) {
      line = DeactivatedLine(line) + " ";
    }
  }
  if (previous_type.empty()) line = DeactivatedLine(line);
}

// What the check asks of a location, worked out for the first object there: many objects share
// a place.
class PlaceFacts {
 public:
  PlaceFacts(TMainForm& form, const PlaceIndex& places)
      : form_(form),
        places_(places),
        near_front_(static_cast<size_t>(std::max(form.LastLocation + 1, 0)), kUnknown) {}

  // Only for a known place.
  bool OffMap(const Place& place) const { return places_.OffMapAt(place.index); }
  // Within the action radius of the front centre; only for a known place.
  bool NearFront(const Place& place) {
    signed char& answer = near_front_[static_cast<size_t>(place.index)];
    if (answer == kUnknown) answer = WithinFrontRadius(place.position) ? 1 : 0;
    return answer == 1;
  }

 private:
  struct FrontReach {
    WholeMetrePoint centre;
    long long radius_metres;
  };

  // TDistance(position, front centre, "Y") == "Y", with the front centre and the radius read at
  // the first question, in the order TDistance reads them, and kept for the others.
  bool WithinFrontRadius(const std::string& position) {
    if (position.empty()) return false;
    const WholeMetrePoint at = ReadWholeMetres(position);
    if (!front_) {
      const WholeMetrePoint centre = ReadWholeMetres(form_.FrontCenterPosition);
      front_ = FrontReach{centre, ActionRadiusBoxKm(form_) * 1100LL};
    }
    return RangeDistance(at, front_->centre) <= front_->radius_metres;
  }

  static constexpr signed char kUnknown = -1;
  TMainForm& form_;
  const PlaceIndex& places_;
  std::vector<signed char> near_front_;
  std::optional<FrontReach> front_;
};

// Objects placed whatever the density draw.
constexpr PartSearch<9> kAlwaysPlaced({"Plane$", "Ship$Rwy", "Artillery$Flak18_88mm",
                                       "Zenit85mm_1939", "Artillery$StBofors_40mm",
                                       "Artillery$Type88_75mm_JA", "$Wagon8", "ZIS6_fuel",
                                       "OpelBlitz6700A_fuel"});

// Whether the object is always placed (0), never (99), or on the density draw.
int KeepDraw(TMainForm& form, const CheckContext& context, PlaceFacts& facts, const Place& place,
             const std::string& side, const std::string& line) {
  int keep = form.Random(form.StationaryDensityLevel) + 1;
  if (ContainsAny(place.name, {"Airfield", "Airstrip"}) &&
      context.trimmed_bases.count(Trim(place.name)) > 0) {
    keep = 0;
  }
  if (side == "0" || kAlwaysPlaced.In(line)) keep = 0;
  if (IsSupplyTruckLine(line)) keep = 0;
  if (!place.known || facts.OffMap(place)) keep = 99;
  if (form.MapName == "Normandy" && place.name == "English_Airstrip" &&
      !form.NormandyBase.Checked) {
    keep = 99;
  }
  return keep;
}

int ObjectWeight(const std::string& line) {
  int weight = 1;
  if (Contains(line, "Plane$")) weight = 2;
  if (Contains(line, "_radio")) weight = 3;
  if (ContainsAny(line, {"ZIS6_fuel", "OpelBlitz6700A_fuel"})) weight = 4;
  if (Contains(line, "$Wagon8")) weight = 5;
  if (Contains(line, "Ship$")) weight = 6;
  return weight;
}

class StationaryChecker {
 public:
  explicit StationaryChecker(TMainForm& form)
      : form_(form), context_(form), facts_(form, context_.places), support_(form, context_) {}

  void Check(int n, const std::string& file_line) {
    StationaryEntry& object = form_.StationaryObjectTable[n];
    const ObjectFields fields = ReadObjectFields(file_line);
    object.StationaryArmy = fields.side;
    object.StationaryPosition = fields.position;
    const Place place = PlaceOf(object.StationaryNearestLocation);
    const std::string& side = fields.side;
    std::string line = file_line;

    if (place.known && support_.Supported(place, side, line)) {
      line = ActivatedLine(line);
    }
    if (place.owner != side && place.owner != "0") line = DeactivatedLine(line);
    if (side == "0") line = ActivatedLine(line);
    for (const std::string& late : context_.not_in_service) {
      if (Contains(line, late)) line = DeactivatedLine(line);
    }
    if (Contains(line, "Plane$")) {
      if (place.known) {
        ParkPlanes(form_, context_, place, side, line);
      } else {
        line = DeactivatedLine(line);
      }
    }
    const bool closed = Contains(place.name, "English_") || place.name == "Channel_Harbor";
    if ((closed && !form_.NormandyBaseOption) || !place.known || facts_.OffMap(place)) {
      line = DeactivatedLine(line);
    }
    object.StationaryLine = line;
    object.StationaryMissionLine.clear();

    const int keep = KeepDraw(form_, context_, facts_, place, side, line);
    const bool carrier_deck = Contains(line, "Ship$Rwy");
    const bool held = side == place.owner || side == "0" || place.owner == "0" || carrier_deck;
    const bool near_front = place.known && facts_.NearFront(place);
    const bool chosen =
        (!IsInactiveLine(line) && ((near_front && keep < 2) || keep == 0)) || carrier_deck;
    if (form_.StationaryDensityLevel < 99 && held && chosen) {
      object.StationaryLine = ActivatedLine(line);
      object.StationaryMissionLine = object.StationaryLine;
      if (place.known) {
        form_.LocationTable[object.StationaryNearestLocation].LocationTargetValue +=
            ObjectWeight(line);
      }
    }
  }

 private:
  Place PlaceOf(int l) const {
    if (l < 0 || l > form_.LastLocation) return Place{-1, false, none_, none_, none_};
    const LocationEntry& location = std::as_const(form_.LocationTable)[l];
    return Place{l, true, location.LocationName, location.LocationArmy, location.LocationPosition};
  }

  TMainForm& form_;
  const CheckContext context_;
  PlaceFacts facts_;
  PlaceSupport support_;
  const std::string none_;
};

// Airfields whose radio station of their own side is switched off.
void MarkSilentAirfields(TMainForm& form) {
  for (int n = 0; n <= form.LastStationary; ++n) {
    const StationaryEntry& object = form.StationaryObjectTable[n];
    const int l = object.StationaryNearestLocation;
    if (l < 0 || l > form.LastLocation || !IsInactiveLine(object.StationaryLine)) continue;
    const ObjectFields fields = ReadObjectFields(object.StationaryLine);
    if (!Contains(fields.class_name, "_radio")) continue;
    LocationEntry& location = form.LocationTable[l];
    if (ContainsAny(location.LocationName, {"Airstrip", "Airfield"}) &&
        location.LocationArmy == fields.side && (fields.side == "1" || fields.side == "2")) {
      location.StationaryFlag = 1;
    }
  }
}

}  // namespace

void StationaryCheck(TMainForm& form) {
  ErrorLog(form, "Stationary Objects Check.");
  if (form.FrontCenterCoord == -1) {
    const std::string message = form.Messages.Text(MessageSection::kErrors, kNoFrontCentreError);
    CampaignEnd(form, message);
    ErrorTrap(form, message);
  }
  for (int i = 0; i <= std::max(form.LastLocation, form.LastScratchLocation); ++i) {
    form.LocationTable[i].LocationTargetValue = 0;
  }
  if (form.FrontCenterPosition.empty()) TargetLocations(form);
  // A flag of an earlier mission in this run must not outlive the radio station switched on.
  for (int i = 0; i <= form.LastLocation; ++i) form.LocationTable[i].StationaryFlag = 0;

  const std::vector<std::string> lines = ReadStationaryObjects(form);
  StationaryChecker checker(form);
  for (int n = 0; n < static_cast<int>(lines.size()); ++n) checker.Check(n, lines[n]);
  form.LastStationary = static_cast<int>(lines.size()) - 1;
  form.InitialStationary = form.LastStationary;
  MarkSilentAirfields(form);
}

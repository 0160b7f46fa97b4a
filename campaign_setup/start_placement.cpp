#include "campaign_setup/start_placement.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/run_log.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/location_grid.h"
#include "campaign_setup/squadron_list_changes.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {

constexpr long long kNoDistance = 999999999;
constexpr long long kColumnReach = 3000;   // metres from a road's start to its column's place
constexpr long long kTakeOffReach = 7000;  // metres from a take-off point to its airfield

// The whole-metre point of the first two blank-separated numbers of the text.
std::optional<WholeMetrePoint> PointOfWords(const std::string& text) {
  const std::string trimmed = Trim(text);
  const size_t blank = trimmed.find(' ');
  if (blank == std::string::npos) return std::nullopt;
  const std::string rest = TrimLeft(trimmed.substr(blank + 1));
  const std::string y = rest.substr(0, rest.find(' '));
  try {
    return ReadWholeMetres(trimmed.substr(0, blank) + " " + y);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// The sixth word of the trimmed line: the ship a flight takes off from.
std::string SixthWord(const std::string& line) {
  std::string rest = Trim(line);
  for (int word = 0; word < 5; ++word) {
    const size_t blank = rest.find(' ');
    rest = blank == std::string::npos ? std::string() : TrimLeft(rest.substr(blank + 1));
  }
  return rest.substr(0, rest.find(' '));
}

std::string LineAfter(const TextLines& lines, size_t index) {
  return std::string(lines.LineOrEmpty(index + 1));
}

std::string Problem(size_t index, const std::string& what) {
  return "Master mission line " + IntToStr(static_cast<long long>(index) + 1) + ": " + what +
         "; it is not placed.";
}

bool IsAirbase(const std::string& name) {
  return Contains(name, "Airstrip") || Contains(name, "Airfield");
}

// The nearest location within `reach` of the point that `usable` lets through; on equal
// distances the lower index. -1 when there is none.
template <typename Usable>
int NearestUsable(const LocationGrid& grid,
                  const std::vector<std::optional<WholeMetrePoint>>& points,
                  const WholeMetrePoint& point, long long reach, Usable usable) {
  int best = -1;
  long long best_distance = kNoDistance;
  grid.ForEachNear(point, reach, [&](int index) {
    const long long distance = StraightDistance(*points[static_cast<size_t>(index)], point);
    if (distance >= reach || !usable(index)) return;
    if (distance < best_distance || (distance == best_distance && index < best)) {
      best = index;
      best_distance = distance;
    }
  });
  return best;
}

const std::string& LocationName(const TMainForm& form, int index) {
  return std::as_const(form.LocationTable)[index].LocationName;
}

const std::string& LocationArmy(const TMainForm& form, int index) {
  return std::as_const(form.LocationTable)[index].LocationArmy;
}

// The number before the first blank of the action radius choice ("250 Kilometers").
void TakeActionRadius(TMainForm& form) {
  const std::string& text = form.ActionRadius.Text;
  const int kilometres = StrToIntDef(Trim(text.substr(0, text.find(' '))), -1);
  if (kilometres >= 0) {
    form.ActionRadiusKm = kilometres;
    return;
  }
  constexpr int kDefaultKilometres = 250;
  ErrorLog(form, "The action radius \"" + text + "\" is no number of kilometres; " +
                     IntToStr(kDefaultKilometres) + " Kilometers are used.");
  form.ActionRadiusKm = kDefaultKilometres;
}

// Places a squadron's base by the front, drawing in the fixed order of its rules.
class FrontPass {
 public:
  FrontPass(TMainForm& form, const std::vector<std::optional<WholeMetrePoint>>& points)
      : form_(form), points_(points), has_front_text_(!form.FrontCenterPosition.empty()) {
    try {
      if (has_front_text_) front_ = ReadWholeMetres(form.FrontCenterPosition);
      front_read_ = has_front_text_;
    } catch (const ConversionError&) {
      front_read_ = false;
    }
  }

  void Place(int squadron) {
    SquadronEntry& entry = form_.SquadronTable[squadron];
    const bool player = squadron == 0;
    long long best = kNoDistance;
    for (int i = 0; i <= form_.LastLocation; ++i) {
      const std::string& name = LocationName(form_, i);
      const bool near_front = std::as_const(form_.LocationTable)[i].LocationNearEnemy == "Y";
      const bool own = LocationArmy(form_, i) == entry.SquadronArmy;
      const long long distance = FrontDistance(i);
      const bool within_radius = WithinActionRadius(i);
      auto eligible = [&] { return !near_front && distance < best && own; };
      const bool fighter_base =
          IsAirbase(name) && entry.SquadronRole != "6" && (entry.SquadronRole != "2" || player);
      const bool bomber_base = Contains(name, "Airfield") && entry.SquadronRole == "2" && !player;
      if (form_.Random(3) == 0 && eligible() && fighter_base) Choose(entry, name, best, distance);
      if (within_radius && form_.Random(3) == 0 && eligible() && fighter_base) {
        Choose(entry, name, best, 0);
      }
      if (form_.Random(3) == 0 && eligible() && bomber_base) Choose(entry, name, best, distance);
      if (within_radius && !near_front && form_.Random(3) == 0 && eligible() && bomber_base) {
        Choose(entry, name, best, 0);
      }
    }
  }

 private:
  static void Choose(SquadronEntry& entry, const std::string& name, long long& best,
                     long long distance) {
    entry.SquadronHomeBase = name;
    best = distance;
  }
  // GetDistance from the front centre: 0 without a front centre, at least 1 otherwise.
  long long FrontDistance(int location) const {
    const auto& point = points_[static_cast<size_t>(location)];
    if (!has_front_text_) return 0;
    if (!front_read_ || !point) return kNoDistance;
    return WholeMetreDistance(front_.x - point->x, front_.y - point->y);
  }
  // TDistance of the front centre and the location, by ActionRadiusKm.
  bool WithinActionRadius(int location) const {
    const auto& point = points_[static_cast<size_t>(location)];
    if (!front_read_ || !point) return false;
    const long long distance = WholeMetreDistance(front_.x + 1 - point->x, front_.y + 1 - point->y);
    return distance <= form_.ActionRadiusKm * 1100LL;
  }

  TMainForm& form_;
  const std::vector<std::optional<WholeMetrePoint>>& points_;
  const bool has_front_text_;
  bool front_read_ = false;
  WholeMetrePoint front_;
};

void BaseOnCarrier(TMainForm& form, SquadronEntry& squadron, const std::string& carrier) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
    if (column.ColumnName == carrier) squadron.SquadronHomeBase = column.ColumnUnitName;
  }
  for (int s = 0; s <= form.LastStationary; ++s) {
    const StationaryEntry& object = std::as_const(form.StationaryObjectTable)[s];
    const std::string line = Trim(object.StationaryLine);
    if (line.substr(0, line.find(' ')) != carrier) continue;
    if (object.StationaryNearestLocation >= 0) {
      squadron.SquadronHomeBase = LocationName(form, object.StationaryNearestLocation);
    }
  }
}

// A fighter pilot of a navy flies from his side's carrier when the battle has one.
void MovePlayerToCarrier(TMainForm& form) {
  SquadronEntry& player = form.SquadronTable[0];
  const std::string& nation = player.SquadronNation;
  const std::string& role = player.SquadronRole;
  if (!IsAirbase(player.SquadronHomeBase)) return;
  if (nation != "um" && nation != "un" && nation != "in" && nation != "rn" && nation != "gb")
    return;
  if (role != "1" && role != "4" && role != "7") return;
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = std::as_const(form.ColumnTable)[c];
    if (column.ColumnArmy != player.SquadronArmy) continue;
    const std::string& type = column.ColumnType;
    const bool usn = Contains(type, "USS");
    const bool rn = Contains(type, "HMS");
    const bool fits = (nation == "um" || nation == "un") ? usn
                      : nation == "rn"                   ? rn
                      : nation == "in"                   ? Contains(type, "IJN")
                                       : form.MapName == "Murmansk" && (usn || rn);
    if (Contains(type, "CV") && !Contains(type, "LCVP") && fits) {
      player.SquadronHomeBase = column.ColumnUnitName;
    }
    if (nation == "um" && form.BattleName == "Midway") player.SquadronHomeBase = "Midway_Airfield";
  }
}

}  // namespace

std::vector<RoadStart> ReadRoadStarts(const TextLines& lines, std::vector<std::string>& problems) {
  std::vector<RoadStart> starts;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string header(lines[i]);
    if (!Contains(header, "_Chief_Road]")) continue;
    const int chief_at = Pos("Chief", header);
    const std::string name = Copy(header, 2, chief_at - 2) + "Chief";
    const auto point = PointOfWords(LineAfter(lines, i));
    if (!point) {
      problems.push_back(Problem(i, "the road of " + name + " has no first point"));
      continue;
    }
    starts.push_back({name, *point});
  }
  return starts;
}

std::vector<FlightStart> ReadFlightStarts(const TextLines& lines,
                                          std::vector<std::string>& problems) {
  std::vector<FlightStart> starts;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string header(lines[i]);
    if (!Contains(header, "_Way]")) continue;
    const std::string squadron = Copy(header, 2, Pos("_Way", header) - 3);
    const std::string take_off = LineAfter(lines, i);
    const auto point = PointOfWords(Copy(take_off, 11, static_cast<int>(take_off.size())));
    if (squadron.empty() || !point) {
      problems.push_back(Problem(i, "the flight " + squadron + " has no take-off point"));
      continue;
    }
    starts.push_back({squadron, *point, Contains(take_off, "Chief") ? SixthWord(take_off) : ""});
  }
  return starts;
}

std::vector<std::optional<WholeMetrePoint>> LocationPoints(const TMainForm& form) {
  std::vector<std::optional<WholeMetrePoint>> points(
      static_cast<size_t>(std::max(form.LastLocation + 1, 0)));
  for (int i = 0; i <= form.LastLocation; ++i) {
    try {
      points[static_cast<size_t>(i)] =
          ReadWholeMetres(std::as_const(form.LocationTable)[i].LocationPosition);
    } catch (const ConversionError&) {
      // A location without a readable position is near nothing.
    }
  }
  return points;
}

void MarkLocationsNearFront(TMainForm& form,
                            const std::vector<std::optional<WholeMetrePoint>>& points) {
  const long long radius = form.BugOutRadius * 1000LL;
  const LocationGrid grid(points, radius);
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    bool near = false;
    if (points[static_cast<size_t>(i)] && radius > 1) {
      const WholeMetrePoint& point = *points[static_cast<size_t>(i)];
      grid.ForEachNear(point, radius, [&](int other) {
        if (near) return;
        const LocationEntry& neighbour = std::as_const(form.LocationTable)[other];
        if (neighbour.LocationArmy == location.LocationArmy ||
            neighbour.LocationName == location.LocationName) {
          return;
        }
        const WholeMetrePoint& at = *points[static_cast<size_t>(other)];
        near = WholeMetreDistance(point.x - at.x, point.y - at.y) < radius;
      });
    }
    form.LocationTable[i].LocationNearEnemy = near ? "Y" : "N";
  }
}

void GetColumnStartLocation(TMainForm& form, const std::string& mission_path) {
  ErrorLog(form, "Determine the starting location of a column.");
  if (!FileExists(mission_path)) return;
  std::vector<std::string> problems;
  const std::vector<RoadStart> starts =
      ReadRoadStarts(*form.FileReads.Lines(mission_path), problems);
  for (const std::string& problem : problems) ErrorLog(form, problem);
  const std::vector<std::optional<WholeMetrePoint>> points = LocationPoints(form);
  const LocationGrid grid(points, kColumnReach);
  for (const RoadStart& start : starts) {
    for (int c = 0; c <= form.LastColumn; ++c) {
      ColumnEntry& column = form.ColumnTable[c];
      if (column.ColumnName != start.column_name) continue;
      const int place = NearestUsable(grid, points, start.point, kColumnReach, [&](int i) {
        const std::string& owner = LocationArmy(form, i);
        return owner == column.ColumnArmy || owner == "0";
      });
      if (place < 0) continue;
      column.ColumnPlace = LocationName(form, place);
      column.ColumnDestination = column.ColumnPlace;
      // The column now stands free on the map: the mark the file gave it while it waited off
      // the map ("X") or aboard a transport ("T") no longer holds.
      column.ColumnMarks = "A";
    }
  }
  WriteColumnList(form);
}

void GetAirfield(TMainForm& form, const std::string& mission_path) {
  ErrorLog(form, "Determine the airfield of a squadron.");
  const std::vector<std::optional<WholeMetrePoint>> points = LocationPoints(form);
  MarkLocationsNearFront(form, points);
  TakeActionRadius(form);
  if (!FileExists(mission_path)) return;
  std::vector<std::string> problems;
  const std::vector<FlightStart> starts =
      ReadFlightStarts(*form.FileReads.Lines(mission_path), problems);
  for (const std::string& problem : problems) ErrorLog(form, problem);

  const LocationGrid grid(points, kTakeOffReach);
  FrontPass front_pass(form, points);
  for (const FlightStart& start : starts) {
    for (int s = 0; s <= form.LastSquadron; ++s) {
      if (form.SquadronTable[s].SquadronName == start.squadron) front_pass.Place(s);
    }
    for (int s = 0; s <= form.LastSquadron; ++s) {
      SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.SquadronName != start.squadron) continue;
      const int base = NearestUsable(grid, points, start.point, kTakeOffReach, [&](int i) {
        return squadron.SquadronRole != "6" && IsAirbase(LocationName(form, i)) &&
               LocationArmy(form, i) == squadron.SquadronArmy;
      });
      if (base >= 0) squadron.SquadronHomeBase = LocationName(form, base);
      if (!start.carrier.empty()) BaseOnCarrier(form, squadron, start.carrier);
      if (squadron.SquadronNation == "us" && form.BattleName == "WestGermany45") {
        squadron.SquadronHomeBase = "English_Airfield";
      }
    }
  }
  MovePlayerToCarrier(form);
  SaveSquadrons(form, 0);
}

void AlternateSquadron(TMainForm& form) {
  ErrorLog(form, "Removing matching player squadron.");
  const bool career_generator = form.DGENBoot.Checked && form.AutoGeneration.Checked;
  const SquadronEntry player = std::as_const(form.SquadronTable)[0];
  int match = -1;
  int best_score = -1;
  for (int k = 1; k <= form.LastSquadron; ++k) {
    const SquadronEntry& other = std::as_const(form.SquadronTable)[k];
    int score = -1;
    if (career_generator) {
      if (other.SquadronName == player.SquadronName) score += 128;
      if (!other.SquadronName.empty() && !player.SquadronName.empty() &&
          other.SquadronName.substr(0, other.SquadronName.size() - 1) ==
              player.SquadronName.substr(0, player.SquadronName.size() - 1)) {
        score += 64;
      }
      if (other.TypeDescription == player.TypeDescription) score += 16;
    }
    if (other.SquadronNation == player.SquadronNation) score += 32;
    if (other.TypeDescription.substr(0, 4) == player.TypeDescription.substr(0, 4)) score += 8;
    if (other.SquadronHomeBase == player.SquadronHomeBase) score += 4;
    if (other.SquadronArmy != player.SquadronArmy || other.SquadronRole != player.SquadronRole ||
        other.SquadronFlyable == "0") {
      score = -1;
    }
    if (score > best_score) {
      best_score = score;
      match = k;
    }
  }
  if (match < 0) return;

  const SquadronEntry matched = std::as_const(form.SquadronTable)[match];
  SquadronEntry& squadron = form.SquadronTable[0];
  if (!career_generator && matched.SquadronNation == player.SquadronNation) {
    squadron.SquadronName = matched.SquadronName;
  }
  squadron.SquadronHomeBase = matched.SquadronHomeBase;
  squadron.SquadronSkill = matched.SquadronSkill;
  if (matched.SquadronClass != player.SquadronClass && !career_generator) {
    ErrorLog(form, "Replacing squadron " + matched.SquadronName + " flying " +
                       matched.TypeDescription + " at " + matched.SquadronHomeBase +
                       " with player's squadron.");
    squadron.SquadronClass = matched.SquadronClass;
    squadron.SquadronBaseClass = matched.SquadronBaseClass;
    squadron.TypeDescription = matched.TypeDescription;
    squadron.PlanesMax = matched.PlanesMax;
    squadron.PlanesFlight = matched.PlanesFlight;
    squadron.PlanesLost = matched.PlanesLost;
    squadron.SquadronRadio = matched.SquadronRadio;
    squadron.SquadronSkin = matched.SquadronSkin;
    squadron.SquadronMarkings = matched.SquadronMarkings;
    for (int slot = 0; slot < kRosterSlotsPerSquadron; ++slot) {
      const PilotEntry from = std::as_const(form.PilotRoster)[RosterIndex(match, slot)];
      PilotEntry& to = form.PilotRoster[RosterIndex(0, slot)];
      to.RosterName = from.RosterName;
      to.RosterMarker = from.RosterMarker;
      to.RosterKills = from.RosterKills;
      to.RosterSorties = from.RosterSorties;
      to.RosterGroundKills = from.RosterGroundKills;
      to.RosterRank = from.RosterRank;
      to.RosterMedalCount = from.RosterMedalCount;
      to.RosterPhoto = from.RosterPhoto;
      to.RosterNoseArt = from.RosterNoseArt;
      to.RosterBirthDate = from.RosterBirthDate;
      to.RosterHomeTown = from.RosterHomeTown;
      to.RosterSkin = from.RosterSkin;
    }
  }
  SquadDelete(form, match);
  SquadCleanUp(form);
}

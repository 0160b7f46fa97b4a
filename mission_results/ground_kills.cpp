#include "mission_results/ground_kills.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "campaign_data/text_helpers.h"
#include "mission_results/event_log_names.h"
#include "mission_results/event_text.h"
#include "mission_results/rank_awards.h"
#include "mission_results/roster_lookup.h"
#include "platform/text_file.h"

namespace {

constexpr int kTroopsPerObject = 10;

std::string TypeWord(const TMainForm& form, int line) {
  return form.Messages.Text(MessageSection::kTypes, line);
}

// A parked aircraft destroyed: the squadron based at its location with that aircraft type
// loses one (the squadron of the highest index with aircraft left).
void LoseParkedAircraft(TMainForm& form, const StationaryEntry& object) {
  const int location = object.StationaryNearestLocation;
  if (location < 0 || location > form.LastLocation) return;
  const std::string& place = std::as_const(form.LocationTable)[location].LocationName;
  for (int s = form.LastSquadron; s >= 0; --s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    const std::string type_id = Copy(squadron.SquadronClass, 11, 999);
    const int planes = StrToIntDef(Trim(squadron.PlanesAvailable), 0);
    if (squadron.SquadronHomeBase != place || type_id.empty() ||
        !Contains(object.StationaryLine, type_id) || planes <= 0) {
      continue;
    }
    squadron.PlanesAvailable = IntToStr(planes - 1);
    squadron.PlanesFlight = squadron.PlanesAvailable;
    std::string news = ReplaceTextProcedure(form.Messages.Text(MessageSection::kNews, 15),
                                            "<PLANE>", squadron.TypeDescription);
    news = ReplaceTextProcedure(news, "<TGTNAME>", place);
    form.NewsText += news + "." + std::string(kCrLf);
    return;
  }
}

void LowerTroops(TMainForm& form, const StationaryEntry& object) {
  const int army = StrToIntDef(Trim(object.StationaryArmy), 0);
  const int location = object.StationaryNearestLocation;
  if ((army != 1 && army != 2) || location < 0 || location > form.LastLocation) return;
  int& troops = form.LocationTable[location].TerritoryStrength[static_cast<size_t>(army)];
  troops = std::max(troops - kTroopsPerObject, 0);
}

struct GroundTarget {
  std::string type = "stationary object";
  std::string army;
  std::string ship_text;
};

GroundTarget FindTarget(const TMainForm& form, const std::string& object) {
  GroundTarget target;
  if (Contains(object, "Static")) {
    for (const int i : StationaryNamed(form, object)) {
      const StationaryEntry& entry = form.StationaryObjectTable[i];
      const std::string& line = entry.StationaryLine;
      target.army = entry.StationaryArmy;
      if (Contains(line, "Artillery")) target.type = TypeWord(form, 0);
      if (Contains(line, "Plane")) target.type = TypeWord(form, 1);
      if (Contains(line, "Armor")) target.type = TypeWord(form, 4);
      if (Contains(line, "Ship")) {
        target.type = TypeWord(form, 5);
        target.ship_text = line;
      }
    }
  }
  if (Contains(object, "Chief")) {
    for (const int c : ColumnsNamed(form, VehicleColumnName(object))) {
      const ColumnEntry& column = form.ColumnTable[c];
      const std::string& type = column.ColumnType;
      target.army = column.ColumnArmy;
      if (Contains(type, "Vehicle")) target.type = TypeWord(form, 2);
      if (Contains(type, "Train")) target.type = TypeWord(form, 3);
      if (Contains(type, "Armor")) target.type = TypeWord(form, 4);
      if (Contains(type, "Ship")) {
        target.type = TypeWord(form, 5);
        target.ship_text = type;
      }
    }
  }
  return target;
}

void ApplyShipClass(const TMainForm& form, GroundTarget& target) {
  const std::string& ship = target.ship_text;
  if (Contains(ship, "CV") && !Contains(ship, "LCVP")) target.type = TypeWord(form, 6);
  if (Contains(ship, "DD")) target.type = TypeWord(form, 7);
  if (Contains(ship, "CA")) target.type = TypeWord(form, 8);
  if (Contains(ship, "BB")) target.type = TypeWord(form, 9);
}

std::string Filled(const TMainForm& form, MessageSection section, int line,
                   const std::string& ordinal, const std::string& type) {
  std::string text = form.Messages.Text(section, line);
  if (!ordinal.empty()) text = ReplaceTextProcedure(text, "<VICTORY>", ordinal);
  return ReplaceTextProcedure(text, "<TYPE>", type);
}

}  // namespace

std::string VehicleColumnName(const std::string& vehicle) {
  std::string name = vehicle;
  const size_t ferry = name.find("_Ferry");
  if (ferry != std::string::npos) name.erase(ferry, 6);
  const size_t chief = name.find("Chief");
  if (chief == std::string::npos) return std::string();
  return Trim(name.substr(0, chief + 5));
}

StaticKill StaticDestroyed(TMainForm& form, const std::string& line) {
  const std::string object = ActorOf(Trim(line));
  const std::vector<int> objects = StationaryNamed(form, object);
  const bool first_report = form.ResultsPass.DestroyedObjects.insert(object).second;
  if (objects.empty()) {
    LogEventLineProblem(form, "Static object not in the campaign", line);
    return first_report ? StaticKill::kUnknown : StaticKill::kAlreadyDestroyed;
  }
  StaticKill result = StaticKill::kAlreadyDestroyed;
  for (const int i : objects) {
    StationaryEntry& entry = form.StationaryObjectTable[i];
    if (StartsWith(entry.StationaryLine, "X ")) continue;
    entry.StationaryLine =
        "X " + Trim(Copy(entry.StationaryLine, 3, static_cast<int>(entry.StationaryLine.size())));
    if (Contains(entry.StationaryLine, "Plane$")) {
      LoseParkedAircraft(form, entry);
    } else {
      LowerTroops(form, entry);
    }
    result = StaticKill::kDestroyed;
  }
  return result;
}

void RecordGroundKill(TMainForm& form, const std::string& line, const std::string& mode,
                      const std::string& object_type) {
  const std::string text = Trim(line);
  GroundTarget target = FindTarget(form, ActorOf(text));
  if (!object_type.empty()) target.type = object_type;
  ApplyShipClass(form, target);
  const bool ship = !target.ship_text.empty();

  std::string name;
  if (mode == "AcesDogfight") {
    const size_t by = text.find(" by");
    if (by != std::string::npos) {
      const std::string after = Trim(text.substr(std::min(text.size(), by + 4)));
      name = FixPilotName(form, Trim(TextBefore(Trim(TextBefore(after, " at ")), ":")));
    }
  } else {
    const std::string actor = ActorOf(Trim(TextAfter(text, " by ")));
    const int slot = AircraftSlot(actor);
    const int squadron = slot < 0 ? -1 : LastSquadronNamed(form, AircraftSquadronId(actor));
    if (squadron >= 0) {
      name = FixPilotName(form, form.PilotRoster[RosterIndex(squadron, slot)].RosterName);
    }
  }

  const std::vector<RosterSlot> slots = RosterSlotsNamed(form, name);
  for (auto it = slots.rbegin(); it != slots.rend(); ++it) {
    PilotEntry& pilot = form.PilotRoster[RosterIndex(it->squadron, it->slot)];
    const bool posted = PostInfo(form, it->squadron, it->slot);
    if (form.SquadronTable[it->squadron].SquadronArmy != target.army) {
      pilot.RosterGroundKills = NextCount(pilot.RosterGroundKills);
      const std::string ordinal = CountOrdinal(form, pilot.RosterGroundKills);
      if (posted) {
        RankAwardSetup(form, it->squadron);
        AppendDebrief(form, it->squadron, pilot.RosterRank, name,
                      Filled(form, MessageSection::kDebrief, ship ? 14 : 1, ordinal, target.type));
        AppendEvent(form, name,
                    Filled(form, MessageSection::kEvents, ship ? 15 : 1, ordinal, target.type));
      }
      if (pilot.RosterName == form.PlayerName) {
        AppendPlayerLog(form, Filled(form, MessageSection::kEvents, 1, ordinal, target.type));
      }
    } else if (posted) {
      RankAwardSetup(form, it->squadron);
      AppendDebrief(form, it->squadron, pilot.RosterRank, name,
                    Filled(form, MessageSection::kDebrief, ship ? 17 : 16, "", target.type));
      AppendEvent(form, name,
                  Filled(form, MessageSection::kEvents, ship ? 19 : 18, "", target.type));
    }
  }
}

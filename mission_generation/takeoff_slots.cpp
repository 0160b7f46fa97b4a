#include "mission_generation/takeoff_slots.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/table_lookups.h"
#include "campaign_data/text.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_build.h"
#include "mission_generation/squadron_mission.h"
#include "mission_generation/takeoff_legs.h"

namespace {

constexpr int kAirfieldCapacity = 16;
constexpr int kCarrierCapacity = 12;
constexpr int kDelayStep = 3;
constexpr int kRadioSilentDelay = 5;  // more minutes at a base whose radio is out
constexpr int kDefendColumnBriefs = 10;

bool ContainsAnyOf(const std::string& text, std::initializer_list<std::string_view> parts) {
  return std::any_of(parts.begin(), parts.end(),
                     [&](std::string_view part) { return Contains(text, part); });
}

bool StartsInTheAirAnyway(const TMainForm& form, const MissionBuild& build,
                          const SquadronEntry& squadron) {
  return (Contains(squadron.SquadronHomeBase, "English_") && !form.NormandyBaseOption) ||
         build.bases.OffMap(squadron.SquadronHomeBase);
}

// Paired with the player's squadron by an interception, or escorting a squadron so paired.
bool MeetsThePlayer(const TMainForm& form, const SquadronEntry& squadron) {
  if (squadron.SquadronInterceptLink == 0) return true;
  const int escorted = squadron.SquadronEscortOf;
  return escorted != -1 && SquadronTableType::Contains(escorted) &&
         form.SquadronTable[escorted].SquadronInterceptLink == 0;
}

bool FliesWithThePlayer(const SquadronEntry& squadron) {
  return squadron.SquadronEscortedBy == 0 || squadron.SquadronEscortOf == 0;
}

bool ComputerFlown(const TMainForm& form, const SquadronEntry& squadron) {
  return squadron.SquadronAI == "AI True" || !form.Coop.Checked;
}

void AddStartTime(MissionBuild& build, SquadronRun& run, int minutes) {
  run.start_time_text = IntToStr(minutes);
  build.flights_text += "  StartTime " + run.start_time_text + "\r\n";
}

bool MayStartLateByChance(const TMainForm& form, const SquadronEntry& squadron, int i) {
  return i != 0 && ComputerFlown(form, squadron) &&
         !(squadron.SquadronRole == "2" && form.MassedBombers.Checked) &&
         squadron.SquadronInterceptLink == -1 && squadron.SquadronEscortedBy == -1 &&
         squadron.SquadronEscortOf == -1 &&
         !ContainsAnyOf(squadron.SquadronClass, {"FW_190A8MSTL", "TB_3_4M_34R_SPB", "G4M2E"}) &&
         !Contains(squadron.SquadronWeapons, "glider") && TaskCode(squadron) != 3 &&
         form.DSTimes.Checked;
}

// A: a computer flight may leave some minutes late; once one flight of a squadron does, all
// its later flights do.
void DelayByChance(TMainForm& form, MissionBuild& build, SquadronRun& run, int location,
                   int column) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  if (!MayStartLateByChance(form, squadron, i)) return;
  const int draw = form.Random(4);
  if (!((draw == 0 && run.flight == 0) || run.start_delay_flag == 1)) return;

  int minutes = -1;
  if (location >= 0) {
    if (StartsInTheAirAnyway(form, build, squadron)) return;
    int& delay = form.ObjectPairC[location][0];
    delay += kDelayStep;
    if (std::as_const(form.LocationTable)[location].StationaryFlag == 1) delay += kRadioSilentDelay;
    minutes = delay;
  } else if (column >= 0) {
    int& delay = form.ObjectPairC[column][1];
    delay += kDelayStep;
    minutes = delay;
  } else {
    return;
  }
  run.start_delay_flag = 1;
  AddStartTime(build, run, minutes);
  if (squadron.SquadronTargetObject.empty() && !squadron.SquadronTakeOffLeg.empty()) {
    CreateHalfWay(form, i, 0);
  }
  CreateTakeOffWay(form, build.bases, i, 0, run.flight);
}

void TakeAirfieldSlot(TMainForm& form, MissionBuild& build, SquadronRun& run, int l) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  const int planes = squadron.PlanesExtra;
  const bool radio_out = std::as_const(form.LocationTable)[l].StationaryFlag == 1;
  int& placed = form.ObjectPairA[l][0];
  int& flights = form.ObjectPairB[l][0];
  int& delay = form.ObjectPairC[l][0];

  placed += radio_out ? 2 * planes : planes;
  ++flights;
  CreateTakeOffWay(form, build.bases, i, flights, run.flight);
  std::string& takeoff = squadron.SquadronTakeOffLeg;
  if (i != 0 && form.AirStarts.Checked && MeetsThePlayer(form, squadron)) takeoff.clear();
  if (i != 0 && placed > kAirfieldCapacity && FliesWithThePlayer(squadron) &&
      form.AirStarts.Checked) {
    takeoff.clear();
  }
  if (squadron.SquadronRole == "2" && form.MassedBombers.Checked && i != 0) takeoff.clear();
  if (StartsInTheAirAnyway(form, build, squadron)) takeoff.clear();
  run.start_time_text = "0";
  if (placed > kAirfieldCapacity && i != 0 && ComputerFlown(form, squadron) &&
      form.DSTimes.Checked && !takeoff.empty() && !FliesWithThePlayer(squadron)) {
    delay += kDelayStep;
    if (radio_out) delay += kRadioSilentDelay;
    AddStartTime(build, run, delay);
    placed += radio_out ? 2 * planes : planes;
    ++flights;
    takeoff = run.saved_takeoff;
    CreateTakeOffWay(form, build.bases, i, 0, run.flight);
  }
  if (placed > kAirfieldCapacity && squadron.SquadronTakeOffLeg.size() > 3 &&
      run.start_time_text == "0") {
    squadron.SquadronTakeOffLeg.clear();
  }
}

void TakeCarrierSlot(TMainForm& form, MissionBuild& build, SquadronRun& run, int c) {
  const int i = run.squadron;
  SquadronEntry& squadron = form.SquadronTable[i];
  int& placed = form.ObjectPairA[c][1];
  int& flights = form.ObjectPairB[c][1];
  int& delay = form.ObjectPairC[c][1];

  if (MissionTypeIsBriefs(form, i, kDefendColumnBriefs) && i != 0 && form.DSTimes.Checked) {
    delay += kDelayStep;
    ++flights;
    AddStartTime(build, run, delay);
    squadron.SquadronTakeOffLeg = run.saved_takeoff;
    CreateTakeOffWay(form, build.bases, i, 0, run.flight);
  } else {
    placed += squadron.PlanesExtra;
    ++flights;
    CreateTakeOffWay(form, build.bases, i, flights, run.flight);
    std::string& takeoff = squadron.SquadronTakeOffLeg;
    if (form.AirStarts.Checked && (placed > kCarrierCapacity || MeetsThePlayer(form, squadron))) {
      takeoff.clear();
    }
    if (placed > kCarrierCapacity && FliesWithThePlayer(squadron) &&
        (form.AirStarts.Checked || !form.DSTimes.Checked)) {
      takeoff.clear();
    }
    run.start_time_text = "0";
    if (placed > kCarrierCapacity && form.DSTimes.Checked && !takeoff.empty() && i != 0) {
      delay += kDelayStep;
      AddStartTime(build, run, delay);
      takeoff = run.saved_takeoff;
      CreateTakeOffWay(form, build.bases, i, 0, run.flight);
    }
  }
  if (placed > kCarrierCapacity && squadron.SquadronTakeOffLeg.size() > 3 &&
      run.start_time_text == "0") {
    squadron.SquadronTakeOffLeg.clear();
  }
}

}  // namespace

void ResetBaseOccupancy(TMainForm& form, const MissionBuild& build) {
  const size_t rows = static_cast<size_t>(std::max({form.LastLocation, form.LastColumn, 0}) + 1);
  form.ObjectPairA.assign(rows, {0, 0});
  form.ObjectPairB.assign(rows, {0, 0});
  form.ObjectPairC.assign(rows, {5, 2});
  for (int l = form.LastLocation; l >= 0; --l) {
    const std::string& name = std::as_const(form.LocationTable)[l].LocationName;
    int& placed = form.ObjectPairA[static_cast<size_t>(l)][0];
    if ((Contains(name, "English_") && !form.NormandyBaseOption) || build.bases.OffMap(name)) {
      placed = 17;
    }
    if (ContainsAnyOf(name, {"Seaplane", "Harbor", "_Port"})) placed = 14;
  }
  for (int c = form.LastColumn; c >= 0; --c) {
    if (Contains(form.ColumnTable[c].ColumnType, "CVE"))
      form.ObjectPairA[static_cast<size_t>(c)][1] = 8;
  }
  for (int c = form.LastColumn + 1; c < static_cast<int>(rows); ++c) {
    form.ObjectPairC[static_cast<size_t>(c)][1] = 0;
  }
  for (int l = form.LastLocation + 1; l < static_cast<int>(rows); ++l) {
    form.ObjectPairC[static_cast<size_t>(l)][0] = 0;
  }
}

void PlaceFlightAtBase(TMainForm& form, MissionBuild& build, SquadronRun& run) {
  const std::string& base = form.SquadronTable[run.squadron].SquadronHomeBase;
  const int location = FindLocation(form, base);
  const int column = location >= 0 ? -1 : FindColumnByUnitName(form, base);
  DelayByChance(form, build, run, location, column);
  if (run.start_delay_flag != 0) return;
  if (location >= 0) {
    TakeAirfieldSlot(form, build, run, location);
  } else if (column >= 0) {
    TakeCarrierSlot(form, build, run, column);
  }
}

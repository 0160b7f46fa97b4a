#include "mission_generation/plan_prologue.h"

#include <algorithm>

#include <cmath>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_end.h"
#include "mission_generation/plan_run.h"
#include "platform/errors.h"

namespace {

constexpr int kNearFrontLoad = 16;
constexpr int kInactiveRadioLoad = 16;
constexpr int kPortLoad = 62;
constexpr int kEscortCarrierLoad = 24;
constexpr int kShortRadiusCarrierLoad = 16;

// Worth of a static object for the position of its location: ships first, then radios, wagons
// and fuel trucks, then parked planes, then anything else.
int StaticObjectKind(const std::string& line) {
  if (Contains(line, "_radio") || Contains(line, "$Wagon8")) return 3;
  if (Contains(line, "ZIS6_fuel") || Contains(line, "OpelBlitz6700A_fuel")) return 3;
  if (Contains(line, "Plane$")) return 2;
  if (Contains(line, "Ship$")) return 4;
  return 0;
}

void StartCarrierLoads(TMainForm& form) {
  for (int c = form.LastColumn; c >= 0; --c) {
    int& load = form.ObjectPairA[c][1];
    load = 0;
    if (Contains(form.ColumnTable[c].ColumnType, "CVE")) load = kEscortCarrierLoad;
    if (form.ActionRadiusKm < 100) load += kShortRadiusCarrierLoad;
  }
}

int StartingLocationLoad(const TMainForm& form, const PlanRun& run, int j) {
  const LocationEntry& location = std::as_const(form.LocationTable)[j];
  int load = 0;
  if (run.Usable(j) && run.HasFront()) {
    const WholeMetrePoint& at = run.Point(j);
    const WholeMetrePoint& front = run.FrontPoint();
    const long long km = WholeMetreDistance(at.x - front.x, at.y - front.y) / 1000;
    if (km < 100) load += kNearFrontLoad;
    if (km < 200) load += kNearFrontLoad;
  }
  if (location.StationaryFlag == 1) load += kInactiveRadioLoad;
  if (location.LocationOffMap == "Y") load = 0;
  if (Contains(location.LocationName, "Harbor") || Contains(location.LocationName, "_Port")) {
    load = kPortLoad;
  }
  return load;
}

// A held location that is no bridge moves onto its most valuable placed static object; of
// objects of one kind the one with the highest index wins.
void MovePositionsOntoStaticObjects(TMainForm& form, PlanRun& run, std::vector<int>& kinds) {
  for (int k = form.LastStationary; k >= 0; --k) {
    const StationaryEntry& object = form.StationaryObjectTable[k];
    const int j = object.StationaryNearestLocation;
    if (j < 0 || j > form.LastLocation) continue;
    const LocationEntry& location = std::as_const(form.LocationTable)[j];
    if (object.StationaryMissionLine.size() <= 1 || object.StationaryPosition.size() <= 1 ||
        location.LocationArmy == "0") {
      continue;
    }
    const int kind = StaticObjectKind(object.StationaryMissionLine);
    if (kinds[static_cast<size_t>(j)] >= kind || Contains(location.LocationName, "Bridge")) {
      continue;
    }
    try {
      ReadWholeMetres(object.StationaryPosition);
    } catch (const ConversionError&) {
      ErrorLog(form, "Static object [" + IntToStr(k) + "] left out of the plan: its position \"" +
                         object.StationaryPosition + "\" is not a map position.");
      continue;
    }
    form.LocationTable[j].LocationPosition = object.StationaryPosition;
    kinds[static_cast<size_t>(j)] = kind;
    run.RereadPosition(j);
  }
}

}  // namespace

void CheckPlayerAircraft(TMainForm& form) {
  if (form.LastSquadron < 0 || form.SquadronTable[0].SquadronFlyable != "0" || form.Coop.Checked) {
    return;
  }
  const std::string message = form.Messages.Text(MessageSection::kErrors, 6);
  CampaignEnd(form, message);
  ErrorTrap(form, message);
}

void DecayReconCounts(TMainForm& form) {
  if (form.MissionTime == "0") {
    // Conditions below 0 would divide by nothing: they count as the best weather.
    const double divisor = std::max(form.CurrentConditions + 1, 1);
    for (int side : {1, 2}) {
      int& count = form.ReconCount[static_cast<size_t>(side)];
      count = static_cast<int>(std::trunc(count / divisor)) - 10;
    }
  }
  for (int side : {1, 2}) {
    int& count = form.ReconCount[static_cast<size_t>(side)];
    if (count < 0) count = 0;
  }
}

void FindEffectiveBases(TMainForm& form, PlanRun& run) {
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const std::string& home = form.SquadronTable[s].SquadronHomeBase;
    const std::vector<int>& ships = run.ColumnsCarrying(home);
    run.EffectiveBase(s) = ships.empty() ? home : form.ColumnTable[ships.back()].ColumnPlace;
  }
}

void StartLaunchLoads(TMainForm& form, PlanRun& run) {
  const size_t rows = static_cast<size_t>(std::max({form.LastLocation, form.LastColumn, 0}) + 1);
  form.ObjectPairA.assign(rows, {0, 0});
  StartCarrierLoads(form);
  std::vector<int> kinds(static_cast<size_t>(form.LastLocation + 1), -1);
  for (int j = 0; j <= form.LastLocation; ++j) {
    form.ObjectPairA[j][0] = StartingLocationLoad(form, run, j);
  }
  MovePositionsOntoStaticObjects(form, run, kinds);
}

void ResetMissionFields(TMainForm& form) {
  form.PlayerInterceptor = -1;
  for (int s = form.LastSquadron; s >= 0; --s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    squadron.SquadronInMission.clear();
    squadron.SquadronTaskCode = "-1";
    squadron.SquadronMissionType.clear();
    squadron.SquadronBriefing.clear();
    squadron.SquadronTargetLocation = -1;
    squadron.SquadronTargetObject.clear();
    squadron.SquadronTargetColumn = -1;
    squadron.SquadronEscortOf = -1;
    squadron.SquadronEscortedBy = -1;
    squadron.SquadronInterceptLink = -1;
    squadron.SquadronInterceptOf = -1;
    squadron.TargetCoverOf = -1;
    squadron.SquadronCoverOf = -1;
    squadron.SquadronMoveKind = 0;
    squadron.SquadronRendezvousLeg.clear();
    squadron.SquadronHalfWayLeg.clear();
    squadron.SquadronTargetLeg.clear();
    squadron.SquadronReturnLeg.clear();
    if (!form.Paras.Checked && Contains(squadron.TypePayload4, "Para")) {
      squadron.TypePayload4 = squadron.TypeDefaultWeapons;
    }
  }
}

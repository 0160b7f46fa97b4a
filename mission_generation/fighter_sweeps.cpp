#include "mission_generation/fighter_sweeps.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"

namespace {

constexpr int kLastSweptPoint = 1024;

// Flies from the last route point numbered 1024 or less, then every hundredth point down to 0.
std::string SweepLeg(const ColumnEntry& column, const std::string& speed) {
  std::string leg;
  for (int k = kLastSweptPoint; k >= 0; --k) {
    if (column.ColumnRoute[k].empty() || (k % 100 != 0 && !leg.empty())) continue;
    leg += PlannedLine(kNormFly, RoutePointPosition(column.ColumnRoute[k]), speed);
  }
  return leg;
}

void FighterSweep(TMainForm& form, PlanRun& run, ColumnPresence& columns, int i) {
  SquadronEntry& squadron = form.SquadronTable[i];
  // A draw of one number: it always gives 0 and moves the generator on.
  form.Random(0);
  if (squadron.SquadronRole != "1") return;
  const std::string speed = SetSpeed(form, i);
  if (!columns.Present(form)) return;

  auto unsuitable = [&](int c) {
    const ColumnEntry& column = form.ColumnTable[c];
    return run.ColumnLeftOut(c) || column.ColumnArmy == squadron.SquadronArmy ||
           column.ColumnStatus == "Y" || column.ColumnPlace == "Blank";
  };
  const int c = PickColumn(form, unsuitable);
  if (form.ColumnDensity.Text == "None" || unsuitable(c)) return;
  const ColumnEntry& column = form.ColumnTable[c];
  if (!AtSea(column.ColumnPlace) || !AtSea(column.ColumnDestination)) return;
  if (column.ColumnPlace == column.ColumnDestination && !OnOwnPatrolArea(form, column)) return;
  SquadronReach reach(form, i);
  if (!ColumnReachTest(form, reach, i, RoutePointPosition(column.ColumnRoute[1]))) return;
  if (squadron.SquadronTakeOffLeg.empty() || column.ColumnRoute[1].empty()) return;

  const std::optional<int> n = TakeScratchLocation(form, i);
  if (!n) return;
  LocationEntry& target = form.LocationTable[*n];
  target.LocationName = column.ColumnPlace;
  SetMissionTexts(form, i, 11,
                  RouteSummaryText(form, 30, target.LocationName, column.ColumnDestination));
  squadron.SquadronTaskCode = "33";
  squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  target.LocationPosition = Trim(column.ColumnRoute[1]);
  target.LocationArmy = EnemySide(squadron);
  CreateHalfWay(form, i, 0);
  squadron.SquadronTargetLeg = SweepLeg(column, speed);
}

}  // namespace

bool AtSea(const std::string& place) {
  return ContainsAny(place, {"_Sea", "_Ocean"});
}

void PlanFighterSweeps(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Fighter Sweeps between two locations.");
  ColumnPresence columns("the fighter sweeps");
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Fighter sweep", [&] { FighterSweep(form, run, columns, i); });
  }
}

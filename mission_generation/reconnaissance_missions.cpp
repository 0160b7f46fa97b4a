#include "mission_generation/reconnaissance_missions.h"

#include <array>
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
#include "mission_generation/waypoint_geometry.h"
#include "platform/errors.h"

namespace {

constexpr int kReconnaissanceSummary = 12;
constexpr int kLastRouteReconPoint = 20;
constexpr int kWellInformed = 20;
constexpr int kSeaSearchDate = 19420801;

bool SearchesRoutes(const SquadronEntry& squadron) {
  const std::string& role = squadron.SquadronRole;
  return role == "5" || (role == "4" && !PayloadAbsent(squadron.TypePayload2)) ||
         (role == "6" && squadron.SquadronClass != "Class air.A6M2N");
}

// The route leg: the highest point at or below 20, then every fourth point down to 0; a ground
// attacker attacks the column at each point after the first.
std::string RouteLeg(const ColumnEntry& column, const std::string& speed, bool attacks) {
  const std::string name = column.ColumnType.substr(0, column.ColumnType.find(' '));
  std::string leg;
  for (int k = kLastRouteReconPoint; k >= 0; --k) {
    if (column.ColumnRoute[k].empty() || (k % 4 != 0 && !leg.empty())) continue;
    const std::string point = RoutePointPosition(column.ColumnRoute[k]);
    if (attacks && !leg.empty()) {
      leg += PlannedLine(kGroundAttack, point, speed, " " + name + " " + IntToStr(k));
    } else {
      leg += PlannedLine(kNormFly, point, speed);
    }
  }
  return leg;
}

void RouteReconnaissance(TMainForm& form, PlanRun& run, ColumnPresence& columns, int i) {
  SquadronEntry& squadron = form.SquadronTable[i];
  if (form.Random(3) != 0) return;
  const std::string speed = SetSpeed(form, i);
  if (!SearchesRoutes(squadron) || !columns.Present(form)) return;

  auto unsuitable = [&](int c) {
    const ColumnEntry& column = form.ColumnTable[c];
    return run.ColumnLeftOut(c) || column.ColumnArmy == squadron.SquadronArmy ||
           column.ColumnStatus == "Y" || column.ColumnPlace == "Blank";
  };
  const int c = PickColumn(form, unsuitable);
  if (form.ColumnDensity.Text == "None" || unsuitable(c)) return;
  const ColumnEntry& column = form.ColumnTable[c];
  if (column.ColumnPlace == column.ColumnDestination && !OnOwnPatrolArea(form, column)) return;
  SquadronReach reach(form, i);
  if (!ColumnReachTest(form, reach, i, RoutePointPosition(column.ColumnRoute[1]))) return;
  if (squadron.SquadronTakeOffLeg.empty() || column.ColumnRoute[1].empty()) return;

  const std::optional<int> n = TakeScratchLocation(form, i);
  if (!n) return;
  LocationEntry& target = form.LocationTable[*n];
  target.LocationName = column.ColumnPlace;
  SetMissionTexts(form, i, 12, SummaryText(form, kReconnaissanceSummary, target.LocationName));
  squadron.SquadronTaskCode = "3";
  squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  const bool armed = squadron.SquadronRole == "4";
  if (armed) {
    if (!PayloadAbsent(squadron.TypePayload2)) squadron.SquadronWeapons = squadron.TypePayload2;
    if (!PayloadAbsent(squadron.TypePayload6) && Contains(column.ColumnType, "Ship")) {
      squadron.SquadronWeapons = squadron.TypePayload6;
    }
    SetMissionTexts(form, i, 22,
                    RouteSummaryText(form, 24, target.LocationName, column.ColumnDestination));
  }
  target.LocationPosition = Trim(column.ColumnRoute[1]);
  target.LocationArmy = EnemySide(squadron);
  CreateHalfWay(form, i, 0);
  squadron.SquadronTargetLeg = RouteLeg(column, speed, armed);
}

// Enemy carriers hold their patrol area, as seen by a side.
bool EnemyCarriersOnStation(const TMainForm& form, const PlanRun& run, const std::string& side) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    if (run.ColumnLeftOut(c) || column.ColumnArmy == side) continue;
    if (Contains(column.ColumnType, "Ship") && Contains(column.ColumnType, "CV") &&
        !Contains(column.ColumnType, "LCVP") && OnOwnPatrolArea(form, column)) {
      return true;
    }
  }
  return false;
}

bool SearchesSea(const SquadronEntry& squadron) {
  const std::string& role = squadron.SquadronRole;
  return role == "2" || role == "5" || role == "4" ||
         (role == "7" && squadron.SquadronClass != "Class air.D3A1") ||
         (role == "6" && squadron.SquadronClass != "Class air.A6M2N");
}

// The area a side searches: the Axis flies to the first patrol area, the Allies to the second.
struct SearchArea {
  std::string name;
  std::string point;
};

SearchArea AreaSearchedBy(const TMainForm& form, const std::string& side) {
  const int area = side == "2" ? 0 : 12;
  return {form.PatrolText[static_cast<size_t>(area)],
          form.PatrolText[static_cast<size_t>(area + 2)] + ".00 " +
              form.PatrolText[static_cast<size_t>(area + 3)] + ".00"};
}

void SeaReconnaissance(TMainForm& form, PlanRun& run, int i, bool carriers_found) {
  SquadronEntry& squadron = form.SquadronTable[i];
  const bool new_campaign = form.NewCampaignFlag == "Y";
  if (form.BattleName == "Midway" && squadron.SquadronArmy == "2" && new_campaign) {
    carriers_found = false;
  }
  if (!carriers_found || form.PatrolText[0].empty() || squadron.SquadronRole == "1") return;
  const int side = SideNumber(squadron);
  if (form.ReconCount[static_cast<size_t>(side)] >= kWellInformed && !new_campaign &&
      !(squadron.SquadronRole == "6" && squadron.SquadronClass != "Class air.A6M2N")) {
    return;
  }
  const std::string speed = SetSpeed(form, i);
  if (!SearchesSea(squadron)) return;

  const SearchArea area = AreaSearchedBy(form, squadron.SquadronArmy);
  std::string from = squadron.SquadronTakeOffLeg;
  const size_t word = from.find("TAKEOFF");
  if (word != std::string::npos) from.erase(word, 7);
  int& step = run.SeaSearchStep(side);
  const std::string position =
      GetDirection(form, Trim(from), area.point, i, step) + " <ALTITUDE> " + speed + "\r\n";

  const std::optional<int> n = TakeScratchLocation(form, i);
  if (!n) return;
  ++step;
  LocationEntry& target = form.LocationTable[*n];
  target.LocationArmy = "0";
  target.LocationName = area.name;
  target.LocationPosition = position;
  squadron.SquadronTargetLeg = "  NORMFLY " + position;
  CreateHalfWay(form, i, 0);
  SetMissionTexts(form, i, 23, SummaryText(form, kReconnaissanceSummary, target.LocationName));
  squadron.SquadronTaskCode = "3";
  squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
  const int date = form.CampaignYear * 10000 + form.CampaignMonth * 100 + form.CampaignDay;
  if (date > kSeaSearchDate && squadron.SquadronNation == "un" &&
      !PayloadAbsent(squadron.TypePayload6)) {
    squadron.SquadronWeapons = squadron.TypePayload6;
  }
}

}  // namespace

void PlanRouteReconnaissance(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Reconnaisance along roads/rails/sealanes.");
  ColumnPresence columns("the reconnaissance along roads, rails and sea lanes");
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Route reconnaissance", [&] { RouteReconnaissance(form, run, columns, i); });
  }
}

void PlanSeaReconnaissance(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Reconnaisance at sea.");
  const std::array<bool, 3> carriers_seen_by = {false, EnemyCarriersOnStation(form, run, "1"),
                                                EnemyCarriersOnStation(form, run, "2")};
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    const bool found = carriers_seen_by[static_cast<size_t>(SideNumber(form.SquadronTable[i]))];
    PlanTurn(run, i, "Reconnaissance at sea", [&] { SeaReconnaissance(form, run, i, found); });
  }
}

#include "mission_generation/bridge_strikes.h"

#include <string>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/column_targets.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_preference.h"
#include "mission_generation/mission_texts.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/plan_turn.h"
#include "mission_generation/planned_legs.h"
#include "mission_generation/squadron_traits.h"

namespace {

constexpr int kShortestStruckRoute = 4;

bool StrikesBridges(const TMainForm& form, int i) {
  const std::string& role = form.SquadronTable[i].SquadronRole;
  return role == "2" || role == "4" || role == "7" ||
         (i == 0 && PlayerPreference(form) == kPreferBridgeAttack);
}

// The last bridge point of the route (a point whose field after x and y holds "-"), and the
// position of the route's last point.
struct RouteBridge {
  std::string bridge;
  std::string route_end;
};

RouteBridge LastBridgeOnRoute(const ColumnEntry& column) {
  RouteBridge found;
  for (int k = 0; k <= column.ColumnLastRoutePoint && k < kColumnRouteCapacity; ++k) {
    const std::string& point = column.ColumnRoute[k];
    found.route_end = RoutePointPosition(point);
    std::string rest = point;
    const size_t at = rest.find(found.route_end);
    if (!found.route_end.empty() && at != std::string::npos) rest.erase(at, found.route_end.size());
    rest = Trim(rest);
    const std::string field = rest.substr(0, rest.find(' '));
    if (Contains(field, "-")) found.bridge = found.route_end;
  }
  return found;
}

void BridgeStrike(TMainForm& form, PlanRun& run, ColumnPresence& columns, int i) {
  SquadronEntry& squadron = form.SquadronTable[i];
  const std::string speed = SetSpeed(form, i);
  if (!StrikesBridges(form, i)) return;
  if (squadron.TypePayload4 == "default" || PayloadAbsent(squadron.TypePayload4)) return;
  if (!columns.Present(form)) return;

  auto unsuitable = [&](int c) {
    const ColumnEntry& column = form.ColumnTable[c];
    return run.ColumnLeftOut(c) || column.ColumnArmy == squadron.SquadronArmy ||
           form.RoutePointMark[c] != "Y" || column.ColumnPlace == "Blank";
  };
  const int c = PickColumn(form, unsuitable);
  const ColumnEntry& column = form.ColumnTable[c];
  if (form.ColumnDensity.Text == "None" || run.ColumnLeftOut(c) ||
      column.ColumnArmy == squadron.SquadronArmy ||
      column.ColumnLastRoutePoint < kShortestStruckRoute || column.ColumnPlace == "Blank" ||
      column.ColumnPlace == column.ColumnDestination) {
    return;
  }
  const RouteBridge route = LastBridgeOnRoute(column);
  SquadronReach reach(form, i);
  if (!reach.Within(route.route_end, 0)) return;
  if (squadron.SquadronTakeOffLeg.empty() || route.bridge.empty()) return;

  const std::optional<int> n = TakeScratchLocation(form, i);
  if (!n) return;
  squadron.SquadronTargetLeg = PlannedLine(kGroundAttack, route.bridge, speed);
  LocationEntry& target = form.LocationTable[*n];
  target.LocationName = BridgeTargetName(column.ColumnPlace);
  SetMissionTexts(form, i, 8, SummaryText(form, 6, target.LocationName));
  squadron.SquadronTaskCode = "2";
  squadron.SquadronWeapons = squadron.TypePayload4;
  target.LocationPosition = route.bridge;
  target.LocationArmy = "0";
  CreateHalfWay(form, i, 0);
}

}  // namespace

std::string BridgeTargetName(const std::string& place) {
  std::string name = Trim(place);
  if (!Contains(name, "Bridge")) name += "_Bridge";
  const size_t station = name.find("Station");
  if (station != std::string::npos) name.replace(station, 7, "_Rail");
  return name;
}

void PlanBridgeStrikes(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "Check for Active Bridges to Bomb.");
  ColumnPresence columns("the bridge strikes");
  for (int i = form.LastSquadron; i >= 0; --i) {
    if (run.LeftOut(i) || form.SquadronTable[i].SquadronInMission != "Y") continue;
    PlanTurn(run, i, "Bridge strike", [&] { BridgeStrike(form, run, columns, i); });
  }
}

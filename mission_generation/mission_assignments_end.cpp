#include "mission_generation/mission_assignments_end.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_links.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/return_leg.h"

namespace {

// A squadron that does not fly: no mission, no planned legs, no links, its default load. Its
// take-off and landing lines stay: they describe its base, not the mission.
void StandDown(TMainForm& form, int s) {
  SquadronEntry& squadron = form.SquadronTable[s];
  ClearLinks(form, s);
  squadron.SquadronInMission.clear();
  squadron.SquadronBriefing.clear();
  squadron.SquadronTaskCode = "-1";
  squadron.SquadronMissionType.clear();
  squadron.SquadronTargetLocation = -1;
  squadron.SquadronTargetObject.clear();
  squadron.SquadronTargetColumn = -1;
  squadron.SquadronMoveKind = 0;
  squadron.SquadronJoinLeg.clear();
  squadron.SquadronRendezvousLeg.clear();
  squadron.SquadronHalfWayLeg.clear();
  squadron.SquadronTargetLeg.clear();
  squadron.SquadronReturnLeg.clear();
  squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
}

std::string TargetPosition(const TMainForm& form, const SquadronEntry& squadron) {
  const int target = squadron.SquadronTargetLocation;
  return LocationTableType::Contains(target)
             ? std::as_const(form.LocationTable)[target].LocationPosition
             : std::string();
}

}  // namespace

void EndMissionAssignments(TMainForm& form, PlanRun& run) {
  ErrorLog(form, "End of Squadron Mission Assignments");
  for (int s = form.LastSquadron; s >= 0; --s) {
    SquadronEntry& squadron = form.SquadronTable[s];
    if (squadron.SquadronTargetLeg.empty() || run.LeftOut(s)) squadron.SquadronInMission.clear();
    if (squadron.SquadronInMission != "Y") {
      StandDown(form, s);
      continue;
    }
    // Only a column-defence flight keeps the column it covered earlier in the plan.
    if (squadron.SquadronTaskCode != "5") squadron.SquadronTargetColumn = -1;
    CreateRTBWay(form, s);
    if (!Contains(squadron.SquadronTargetLeg, "GATTACK") &&
        squadron.SquadronWeapons != squadron.TypePayload3) {
      squadron.SquadronWeapons = squadron.TypeDefaultWeapons;
    }
    if (!form.Coop.Checked && !form.Dogfight.Checked) {
      ErrorLog(form, squadron.SquadronFullName + " (" + squadron.TypeDescription + ") at " +
                         squadron.SquadronHomeBase + ": " + squadron.SquadronBriefing + ".");
    }
    squadron.SquadronBriefing += " " + MapCoordinate(form, TargetPosition(form, squadron)) + ".";
  }
}

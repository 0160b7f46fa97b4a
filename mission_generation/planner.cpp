#include "mission_generation/planner.h"

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "mission_generation/anti_shipping_missions.h"
#include "mission_generation/base_moves.h"
#include "mission_generation/bridge_strikes.h"
#include "mission_generation/defend_column_missions.h"
#include "mission_generation/escort_missions.h"
#include "mission_generation/fighter_sweeps.h"
#include "mission_generation/ground_attack_missions.h"
#include "mission_generation/interception_missions.h"
#include "mission_generation/mission_assignments_end.h"
#include "mission_generation/mission_selection.h"
#include "mission_generation/near_enemy.h"
#include "mission_generation/plan_input_checks.h"
#include "mission_generation/plan_prologue.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/reconnaissance_missions.h"
#include "mission_generation/squadron_activation.h"

namespace {

// The reconnaissance counts fade in memory when the plan starts; a plan that does not complete
// leaves them, and the campaign file, as they were.
class ReconCountsOfThePlan {
 public:
  explicit ReconCountsOfThePlan(TMainForm& form) : form_(form), before_(form.ReconCount) {}
  ~ReconCountsOfThePlan() {
    if (!completed_) form_.ReconCount = before_;
  }
  ReconCountsOfThePlan(const ReconCountsOfThePlan&) = delete;
  ReconCountsOfThePlan& operator=(const ReconCountsOfThePlan&) = delete;

  void Complete() {
    completed_ = true;
    UpDateCampaignInfo(form_);
  }

 private:
  TMainForm& form_;
  std::array<int, 3> before_;
  bool completed_ = false;
};

}  // namespace

void GenerateWays(TMainForm& form) {
  form.LastScratchLocation = form.LastLocation;
  CheckPlayerAircraft(form);
  ReconCountsOfThePlan recon_counts(form);
  DecayReconCounts(form);

  PlanRun run(form);
  FindEffectiveBases(form, run);
  MarkLocationsNearEnemy(form, run);
  StartLaunchLoads(form, run);
  ResetMissionFields(form);
  LeaveOutUnplannableSquadrons(form, run);
  LeaveOutUnplannableColumns(form, run);

  ActivateSquadrons(form, run);
  SelectMissions(form, run);
  PlanRouteReconnaissance(form, run);
  PlanFighterSweeps(form, run);
  PlanSeaReconnaissance(form, run);
  PlanBridgeStrikes(form, run);
  PlanGroundAttacks(form, run);
  PlanAntiShippingStrikes(form, run);
  PlanColumnDefence(form, run);
  PlanBugOuts(form, run);
  PlanTransfers(form, run);
  PlanEscorts(form, run);
  PlanInterceptions(form, run);
  PlanPlayerInterception(form, run);
  EndMissionAssignments(form, run);

  recon_counts.Complete();
}

#pragma once

class TMainForm;
class PlanRun;

// Reconnaissance flights that replace a squadron's first mission.

// Along the route of a moving enemy column (or a ship holding its patrol area): one time in
// three a flying reconnaissance squadron, ground attacker with a ground-attack load or seaplane
// follows the route's points; a ground attacker attacks on the way.
void PlanRouteReconnaissance(TMainForm& form, PlanRun& run);

// Over the enemy's patrol area while enemy carriers hold it: every flying squadron able to
// search is sent out, unless its side already knows enough, when only seaplanes go.
void PlanSeaReconnaissance(TMainForm& form, PlanRun& run);

#pragma once

class TMainForm;
class PlanRun;

// Closes the plan: a squadron left without a target leg does not fly and keeps no mission, no
// legs of the mission and no links; every squadron that flies gets its return leg, keeps a
// mission payload only for an attack (or its interception load), is named in the run log
// (outside the on-line modes) and has its briefing end with the target's grid square.
void EndMissionAssignments(TMainForm& form, PlanRun& run);

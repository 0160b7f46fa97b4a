#pragma once

class TMainForm;

// The mission planner.

// Gives every active squadron its mission, target, escort links and planned legs. The phases
// run in a fixed order and draw their random numbers in a fixed order, so one seed and one set
// of tables give one plan. Squadrons and columns whose data cannot be planned are left out with
// a line in the run log; the campaign file (with the faded reconnaissance counts) is written
// only when the plan completes.
void GenerateWays(TMainForm& form);

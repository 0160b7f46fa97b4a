#pragma once

class TMainForm;

// The command-line batch driver.

// Sorts the arguments into the run they ask for, runs its work and leaves the verdict in
// DayStep: 1 generates the next mission and ends the process, 2 ends it, 0 waits. A waiting run
// ends at once unless a generator replacement is on (the timer then ends it). A career start
// without a valid rank stops here through ErrorTrap: no career, the run ends as failed.
void ChkParams(TMainForm& form);

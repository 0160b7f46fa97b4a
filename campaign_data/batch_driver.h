#pragma once

class TMainForm;

// The command-line batch driver.

// Works out which run the arguments request, does that run's work and sets DayStep to the
// outcome: 1 means the next mission is built and the process quits, 2 means it just quits, 0
// means wait. A waiting run quits straight away unless a generator replacement is active, in
// which case the timer finishes it. Starting a career with no valid rank goes to ErrorTrap: no
// career is made and the run counts as failed.
void ChkParams(TMainForm& form);

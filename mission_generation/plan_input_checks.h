#pragma once

class TMainForm;
class PlanRun;

// Squadrons and columns whose data the plan cannot use are left out of it, each with one line
// in the run log that names it and says why; everything else is planned. Blank squadron entries
// are left out without a word.

// A squadron is left out for a role other than "1".."7" (an aircraft type the class table does
// not know has none), a side other than "1" or "2", plane counts that are no numbers, no
// flight size, a cruise speed of no positive whole km/h, or a take-off position that cannot be
// read.
void LeaveOutUnplannableSquadrons(TMainForm& form, PlanRun& run);

// A column is left out for a side other than "1" or "2" or a route point that is no map
// position.
void LeaveOutUnplannableColumns(TMainForm& form, PlanRun& run);

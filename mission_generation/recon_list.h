#pragma once

class TMainForm;

// The reconnaissance flights of the mission being written.

// Writes recons.dat in the campaign folder (one line "name: mission type" per squadron on a
// reconnaissance mission, then an empty line), adds 10 to ReconCount of the side of each, and
// sets ReconCount of a side without reconnaissance-capable squadrons to 100. A squadron without
// a mission type is never taken for a reconnaissance flight. Throws FileError when the file
// cannot be written.
void ReconList(TMainForm& form);

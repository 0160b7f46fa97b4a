#pragma once

class TMainForm;

// How far a squadron's aircraft reach.

// Reach in kilometres: the action radius (at most 300 km), more for bombers and seaplanes, or
// the type's own range when it gives one; 300 km more with a long-range loadout.
int RangeTest(TMainForm& form, int squadron);

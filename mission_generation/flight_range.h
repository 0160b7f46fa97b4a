#pragma once

class TMainForm;

// How far a squadron's aircraft reach.

// Reach in kilometres.
int RangeTest(TMainForm& form, int squadron);

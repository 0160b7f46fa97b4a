#pragma once

class TMainForm;

// Sets SquadronReturnLeg: two cruise points that bring the flight from its target back toward
// its base, off the direct line, bombers swinging wider. A squadron without a take-off position
// or target gets an empty leg and a log line.
void CreateRTBWay(TMainForm& form, int squadron);

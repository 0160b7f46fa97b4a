#pragma once

#include <string>

class TMainForm;
class PlanRun;

// Fighter sweeps along a sea lane: a flying fighter squadron may sweep the route of an enemy
// ship at sea, from where it is to where it is bound, every hundredth point of the route.
void PlanFighterSweeps(TMainForm& form, PlanRun& run);

// A place at sea, for the sweeps: its name holds "_Sea" or "_Ocean".
bool AtSea(const std::string& place);

#pragma once

#include <string>

class TMainForm;
class PlanRun;

// Squadrons that move to another base in the coming mission; the move is their mission.

// Moves a squadron to a new base of its own side when its base has changed hands, or when that
// base is close to the enemy and its side has a safe base to offer.
void PlanBugOuts(TMainForm& form, PlanRun& run);
// Squadrons based far from the front, on a base unsuited to them, and transports fly to
// another base of their side.
void PlanTransfers(TMainForm& form, PlanRun& run);

// Whether a location suits a squadron of this role as a base: airstrips all but bombers and
// seaplanes, airfields all but seaplanes, seaplane bases, ports and harbours only seaplanes. The
// relaxed rule lets bombers use airstrips as well.
bool SuitableBase(const std::string& location_name, const std::string& role, bool relaxed);

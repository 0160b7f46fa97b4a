#pragma once

#include <string>

class TMainForm;
class PlanRun;

// Bombers, ground attackers and dive bombers with a bombing load (and the player's squadron
// that asks for bridge attacks) strike the last bridge on the route of a moving enemy column
// whose route ends within their reach.
void PlanBridgeStrikes(TMainForm& form, PlanRun& run);

// The target name of a bridge on a column's route at `place`: "_Bridge" added unless the name
// holds "Bridge", then its first "Station" made "_Rail".
std::string BridgeTargetName(const std::string& place);

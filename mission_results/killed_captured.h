#pragma once

#include <string>

class TMainForm;

// Airmen killed or captured in the flown mission.

// A "was killed" or "was captured" line: marks a lost roster pilot "d", writes his loss, makes
// news of a lost ace, replaces lost men of the player's bomber crew, resets lost co-op crewmen
// under "Stats Reset on Death" and starts the career papers anew when the off-line player is
// lost. The files this touches are written when the results pass wraps up.
void RecordMIA(TMainForm& form, const std::string& line, const std::string& mode);

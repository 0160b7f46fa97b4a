#pragma once

#include <string>

class TMainForm;

// Bail-outs, glider landings and damaged aircraft of the flown mission.

// A "bailed out at" line, for a pilot, a crewman of the player's bomber or a co-op crewman.
void BailOut(TMainForm& form, const std::string& line, const std::string& mode);
// A transport pilot of flight 1, aircraft 0 captured: his glider has landed.
void GliderLanding(TMainForm& form, const std::string& line);
// A "damaged by" or "damaged on" line of a standard mission.
void StandardDamaged(TMainForm& form, const std::string& line);
// Writes the damaged aircraft of the pilot off when it came down more than 5000 m from its
// squadron's base or the base lies off the map; answers whether it was written off.
bool RecordDamaged(TMainForm& form, const std::string& pilot_name, const std::string& position);

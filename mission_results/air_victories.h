#pragma once

#include <string>

class TMainForm;

// Air victories of the flown mission.

// Credits one victory to the roster pilot `killer` over an aircraft of the game type
// `victim_aircraft` of the army `victim_army` ("" when the victim is unknown).
void TallyAirKill(TMainForm& form, const std::string& killer, const std::string& victim_aircraft,
                  const std::string& victim_army);
// The killer of a standard mission's "shot down by" line, and co-op crewmen.
void StandardAirKill(TMainForm& form, const std::string& line, const std::string& victim_army);
// The killer of a dogfight's "shot down by" line.
void DogFightAirKill(TMainForm& form, const std::string& line, const std::string& victim_army);

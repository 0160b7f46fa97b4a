#pragma once

#include <string>
#include <vector>

class TMainForm;

// Crewmen named by the crew seat of an event line ("r01012(2) bailed out at ...").

// The entries 1..10 of the player's bomber crew who fly in the seat the line names, when the
// line is about the player's own aircraft in the career-generator mode. A seat the aircraft
// does not have (paratroopers' "(255)" among them) names nobody and is logged.
std::vector<int> PlayerCrewAtSeat(TMainForm& form, const std::string& aircraft_id,
                                  const std::string& line);
// The co-op crewmen whose squadron and seat spell the line's crew key: the line up to and
// including its first ")".
std::vector<int> CoopCrewmenAtSeat(const TMainForm& form, const std::string& line);

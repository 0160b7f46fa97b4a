#pragma once

#include <string>

class TMainForm;

// Who flew which aircraft: the event log's "seat occupied by" lines put human pilots into the
// roster slot of the aircraft they flew, add crewmen to the gunner table and count sorties.

// A pilot's seat ("(0)") of a standard mission: the off-line player or a co-op pilot.
void StandardSeat(TMainForm& form, const std::string& line);
// A crew seat ("(1)" and up) of a co-op mission.
void CoopCrewSeat(TMainForm& form, const std::string& line);
// A pilot's seat of an on-line dogfight: "<name>:<aircraft>(0) seat occupied by <name> at x y".
void DogFightSeat(TMainForm& form, const std::string& line);

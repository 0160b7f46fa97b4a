#pragma once

class TMainForm;

// The player's bomber crew: the crewmen beside the pilot in the off-line career, kept in
// crew.tavrek, and the crew seats of his aircraft type from data\crewseats.tavrek.

// Takes the crew seats of squadron 0's aircraft type into CrewSeatLabel. Without the file the
// seats stay empty (logged) and the roster loads on.
void LoadCrewSeats(TMainForm& form);
// Sets the position labels and, while the program stands in for the game's career generator,
// draws a new crew of squadron 0's nation and saves it.
void CreateCrew(TMainForm& form);
// Sets the position labels, empties the crew and reads crew.tavrek when there is one.
void LoadCrew(TMainForm& form);
// Writes crew.tavrek while the program stands in for the game's career generator.
void SaveCrew(TMainForm& form);
// The program stands in for the game's career generator: both Mode items ticked.
bool CareerGeneratorMode(const TMainForm& form);

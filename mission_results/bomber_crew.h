#pragma once

class TMainForm;

// The player's bomber crew: the crewmen beside the pilot in the off-line career, kept in
// crew.tavrek, and the crew seats of his aircraft type from data\crewseats.tavrek.

// Takes the crew seats of squadron 0's aircraft type into CrewSeatLabel. Without the file the
// seats stay empty (logged) and the roster loads on.
void LoadCrewSeats(TMainForm& form);
// Sets the position labels; when CareerGeneratorMode holds, also draws a fresh crew of
// squadron 0's nation and saves it.
void CreateCrew(TMainForm& form);
// Sets the position labels, clears the crew, then loads crew.tavrek if that file exists.
void LoadCrew(TMainForm& form);
// Writes crew.tavrek, but only when CareerGeneratorMode holds.
void SaveCrew(TMainForm& form);
// True when both Mode items are ticked, i.e. Tavrek replaces the game's career generator.
bool CareerGeneratorMode(const TMainForm& form);

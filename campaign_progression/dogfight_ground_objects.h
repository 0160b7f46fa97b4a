#pragma once

class TMainForm;

// Dogfight ground objects and ship skill.

// Turns routed columns into static objects for a dogfight mission.
void DogfightColumns(TMainForm& form);
// Writes the chosen ship skill and rate of fire into ship columns and objects.
void SetRoF(TMainForm& form);

#pragma once

#include <string>

class TMainForm;

// Adding and removing squadrons.

// Appends a squadron with default settings and sixteen new pilots.
void AddNewSquadron(TMainForm& form, const std::string& squadron_name);
// Blanks every field of the squadron without moving later squadrons.
void SquadDelete(TMainForm& form, int squadron);
// Saves pilots and squadrons, drops blank squadrons and reloads.
void SquadCleanUp(TMainForm& form);

#pragma once

#include <string>

class TMainForm;

// Adding and removing squadrons.

// Appends a squadron with default settings, the player's aircraft and sixteen new pilots, and
// saves squadrons and pilots. A full table or a name another squadron has is refused: the run
// log says why, and an interactive run shows it; nothing changes.
void AddNewSquadron(TMainForm& form, const std::string& squadron_name);
// Blanks every field of the squadron without moving later squadrons; nothing is saved.
void SquadDelete(TMainForm& form, int squadron);
// Saves pilots and squadrons, drops blank squadrons and reloads.
void SquadCleanUp(TMainForm& form);
// The editor's Remove button: asks, then removes the squadron chosen in SquadBox and opens the
// editor again. The player's squadron (0) is never removed.
void SqRemoveClick(TMainForm& form);

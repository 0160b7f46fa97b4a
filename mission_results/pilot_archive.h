#pragma once

#include <string>

class TMainForm;

// The archive of the player's squadron's lost pilots in the game's career folder.

// Appends the record of the pilot at the roster index (squadron * 17 + slot) to archive.dat:
// his career fields, his events of events.dat, the death text given and a separator line.
// Written only while the program stands in for the game's career generator.
void ArchivePilot(TMainForm& form, int roster_index, const std::string& death_text);

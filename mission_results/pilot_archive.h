#pragma once

#include <string>

class TMainForm;

// The archive of the player's squadron's lost pilots in the game's career folder.

// Adds a record to archive.dat for the pilot at roster index squadron * 17 + slot: his career
// fields, his entries from events.dat, the given death text and a separator line. Only written
// while this program is acting as the game's career generator.
void ArchivePilot(TMainForm& form, int roster_index, const std::string& death_text);

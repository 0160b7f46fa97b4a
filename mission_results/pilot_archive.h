#pragma once

#include <string>

class TMainForm;

// The archive of lost pilots of the player's squadron.

// Appends the pilot of the player squadron's slot, with his last event, to archive.dat.
void ArchivePilot(TMainForm& form, int slot, const std::string& event_text);

#pragma once

#include <string>

class TMainForm;

// New pilots.

// Turns the roster slot into a newly posted pilot.
void NewPilotStats(TMainForm& form, int squadron, int slot);
// Rank code a new pilot in this slot starts with.
std::string StartRank(TMainForm& form, int squadron, int slot);
// Birth year of a new pilot of the slot's rank.
std::string GetBirthDate(TMainForm& form, int squadron, int slot);

#pragma once

#include "mission_results/roster_save.h"

class TMainForm;

// The pilot roster and pilot.tavrek.

// Creates pilot.tavrek if the campaign lacks one and reads it into PilotRoster. Each lost pilot
// (marker "d") gets a replacement, the player is placed in squadron 0 (off-line), and the
// roster's skins, nose art and bomber crews are loaded.
void LoadPilots(TMainForm& form);
// Fixes incomplete entries, writes pilot.tavrek and then the skin and nose-art files; when mode
// is greater than 0 it also writes squadron.dat, the roster file of the game's career. With
// the files left to a later save, only the entries are fixed.
void SavePilot(TMainForm& form, int mode, RosterFiles files = RosterFiles::kWritten);
// What SavePilot does to the entries of one squadron, without writing any file: repairs its
// slots and passes their nose art through NoseArtCheck. A squadron without a name is left alone.
void RepairSquadronPilots(TMainForm& form, int squadron);
// Puts every squadron's pilots into flight order and the player into a slot that flies, then
// saves the roster.
void PilotSort(TMainForm& form, RosterFiles files = RosterFiles::kWritten);
// PilotSort followed by SavePilot(form, 0), with the files of the roster written once.
void PilotSortThenSave(TMainForm& form);
// Exchanges slot slot1 of squadron1 with slot slot2 of squadron2.
void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2);

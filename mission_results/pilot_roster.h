#pragma once

class TMainForm;

// The pilot roster and pilot.tavrek.

// Creates pilot.tavrek if the campaign lacks one and reads it into PilotRoster. Each lost pilot
// (marker "d") gets a replacement, the player is placed in squadron 0 (off-line), and the
// roster's skins, nose art and bomber crews are loaded.
void LoadPilots(TMainForm& form);
// Fixes incomplete entries, writes pilot.tavrek and then the skin and nose-art files; when mode
// is greater than 0 it also writes squadron.dat, the roster file of the game's career.
void SavePilot(TMainForm& form, int mode);
// Whether a SavePilot(form, 0) made right after another one would only repeat it: a squadron
// is named, so the roster was written and nothing is logged, and every pilot of a named
// squadron has a name, so the repairs draw no new pilot. The files, the run log and the random
// draws then stay as the first save left them.
bool SavingPilotsAgainChangesNothing(const TMainForm& form);
// What SavePilot does to the entries of one squadron, without writing any file: repairs its
// slots and passes their nose art through NoseArtCheck. A squadron without a name is left alone.
void RepairSquadronPilots(TMainForm& form, int squadron);
// Puts every squadron's pilots into flight order and the player into a slot that flies, then
// saves the roster.
void PilotSort(TMainForm& form);
// PilotSort followed by SavePilot(form, 0), with the files of the roster written once: the
// second save is made only where it would change something, and then the first writes nothing.
void PilotSortThenSave(TMainForm& form);
// Exchanges slot slot1 of squadron1 with slot slot2 of squadron2.
void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2);

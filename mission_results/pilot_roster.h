#pragma once

class TMainForm;

// The pilot roster and pilot.tavrek.

// Builds pilot.tavrek when the campaign has none, reads it into PilotRoster, gives every lost
// pilot (marker "d") a successor, seats the player in squadron 0 (off-line) and loads the skins,
// nose art and bomber crew that belong to the roster.
void LoadPilots(TMainForm& form);
// Repairs incomplete entries and writes pilot.tavrek, then the skin and nose-art files; a mode
// above 0 also writes the game's career roster squadron.dat.
void SavePilot(TMainForm& form, int mode);
// What SavePilot does to the entries of one squadron, without writing any file: repairs its
// slots and passes their nose art through NoseArtCheck. A squadron without a name is left alone.
void RepairSquadronPilots(TMainForm& form, int squadron);
// Puts every squadron's pilots into flight order and the player into a slot that flies, then
// saves the roster.
void PilotSort(TMainForm& form);
// Exchanges slot slot1 of squadron1 with slot slot2 of squadron2.
void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2);

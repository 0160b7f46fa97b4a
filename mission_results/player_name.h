#pragma once

class TMainForm;

// The player's pilot name, quick renaming of a pilot and the tracking of on-line ranks.

// Sets PlayerName: the pilot in slot 15 of squadron 0, or off-line the game's current user of
// Users\all.ini.
void PlayerNameCheck(TMainForm& form);
// Pilot editor: gives the pilot open in the panel a new random name, home town and portrait,
// and saves the roster. The player's own pilot keeps his name.
void QuickNameChange(TMainForm& form);
// Options item: toggles tracking of on-line players' ranks and re-marks the roster's ranks.
void TrackPlayerRanksClick(TMainForm& form);

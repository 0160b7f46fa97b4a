#pragma once

#include <string>

class TMainForm;

// The player's pilot name, quick renaming of a pilot and the tracking of on-line ranks.

// Sets PlayerName: off-line the game's current user of Users\all.ini; without one, the pilot
// the roster holds as the player (RosterPlayerName).
void PlayerNameCheck(TMainForm& form);
// The player as the roster in memory holds him: off-line the last pilot of squadron 0 marked
// human ("^"), the slot he was seated in whatever the order of the flights since; on-line, or
// when none is marked, the pilot of slot 15 of squadron 0.
std::string RosterPlayerName(const TMainForm& form);
// Pilot editor: gives the pilot open in the panel a new random name, home town and portrait,
// and saves the roster. The player's own pilot keeps his name.
void QuickNameChange(TMainForm& form);
// Options item: toggles tracking of on-line players' ranks and re-marks the roster's ranks.
void TrackPlayerRanksClick(TMainForm& form);

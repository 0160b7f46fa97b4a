#pragma once

class TMainForm;

// The player's pilot name.

void PlayerNameCheck(TMainForm& form);
// Options item: toggles tracking of on-line players' ranks.
void TrackPlayerRanksClick(TMainForm& form);

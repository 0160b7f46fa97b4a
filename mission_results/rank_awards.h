#pragma once

class TMainForm;

// Rank and award names of a squadron's nation.

// Fills RankAwardTable for the nation of the squadron (0: the player's squadron).
void RankAwardSetup(TMainForm& form, int squadron);
// Whether the events of the pilot in the roster slot are posted to the debriefing and events.
bool PostInfo(TMainForm& form, int squadron, int slot);
// Promotions by sorties and medals by victories and ground kills, after a scored mission.
void AwardAwards(TMainForm& form);

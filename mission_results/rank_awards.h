#pragma once

class TMainForm;

// Rank and award names of a squadron's nation.

// Fills RankAwardTable for the nation of the squadron (0: the player's squadron).
void RankAwardSetup(TMainForm& form, int squadron);

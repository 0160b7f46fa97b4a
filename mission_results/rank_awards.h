#pragma once

class TMainForm;

// Rank and award names of a squadron's nation, promotions and medals, and which pilots' career
// events are posted.

// Fills RankAwardTable for the nation of the squadron (0: the player's squadron): the built-in
// names, replaced by the rank and award files of the nation's career folder in the game.
void RankAwardSetup(TMainForm& form, int squadron);
// True when the career events of the pilot in the slot get posted: in an off-line career, all
// pilots of the player's squadron; on-line, human pilots while their ranks are being tracked.
bool PostInfo(TMainForm& form, int squadron, int slot);
// Promotes pilots by their sorties and decorates them by their victories and ground kills, and
// writes the lines of those posted into PromotionText and the Events label.
void AwardAwards(TMainForm& form);

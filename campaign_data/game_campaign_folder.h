#pragma once

class TMainForm;

// The game-side folder of the active campaign (GameCampaignFolder): the career, co-op or
// dogfight folder under the game's Missions folder, or the campaign folder itself when the
// game's career or co-op generator has been replaced. Loads the campaign first when nothing is
// loaded, and creates the folder (one level) when it does not exist.
void DetermineCampFolder(TMainForm& form);

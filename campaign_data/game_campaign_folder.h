#pragma once

class TMainForm;

// Finds the active campaign's folder on the game side (GameCampaignFolder): inside the game's
// Missions folder, the career, co-op or dogfight subfolder; if the game's career or co-op
// generator is replaced, the campaign folder itself. Loads the campaign when none is loaded
// yet, and makes the folder (a single level) if it is missing.
void DetermineCampFolder(TMainForm& form);

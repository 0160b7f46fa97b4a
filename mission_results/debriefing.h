#pragma once

class TMainForm;

// Scoring of the flown mission for the debriefing starts.

void DebriefText(TMainForm& form);
// Loads the campaign's tables as scoring needs them: map, territory, stationary objects,
// columns, squadrons on their bases and the roster.
void LoadCampaignForScoring(TMainForm& form);

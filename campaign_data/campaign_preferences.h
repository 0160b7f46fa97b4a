#pragma once

class TMainForm;

// The controls that hold the campaign preferences of campaign.tavrek: their fixed choices and
// the choice each shows before a campaign file is read. Run once when the window is created.
void SetCampaignPreferenceControls(TMainForm& form);

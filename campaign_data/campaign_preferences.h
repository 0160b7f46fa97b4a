#pragma once

struct MainWindowControls;

// The controls that hold the campaign preferences of campaign.tavrek: their fixed choices and
// the choice each shows before a campaign file is read. Part of the main window's design.
void SetCampaignPreferenceControls(MainWindowControls& controls);

#pragma once

class TMainForm;

// Connects the new-campaign screen and the set-up wizard to their controls.
void WireCampaignSetup(TMainForm& form);

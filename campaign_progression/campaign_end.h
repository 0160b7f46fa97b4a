#pragma once

#include <string>

class TMainForm;

// End of a campaign.

void CampaignEnd(TMainForm& form, const std::string& message);
// Before the passes: scores the flown mission and tests end and transfer.
void GrandCampaign(TMainForm& form);

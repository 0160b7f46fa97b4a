#pragma once

#include <string>

class TMainForm;

// End of a campaign.

void CampaignEnd(TMainForm& form, const std::string& message);

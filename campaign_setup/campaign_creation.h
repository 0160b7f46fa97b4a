#pragma once

#include <string>

class TMainForm;

// New campaigns.

// New campaign button and menu item.
void NewCampaignClick(TMainForm& form);
// Creates a campaign for the service with this upper-case folder code.
void CreateCampaign(TMainForm& form, const std::string& service_code);
// Sets up the default player squadron and pilots of the chosen nation.
void GetDefaultNation(TMainForm& form);

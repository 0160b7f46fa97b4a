#pragma once

#include <string>

class TMainForm;

// New campaigns.

// New campaign button and menu item: offers the battles of the campaign list and the services
// whose career folders the game has.
void NewCampaignClick(TMainForm& form);
// Start button of the new-campaign screen: builds the chosen battle for the chosen service in
// a campaign folder of its own, or, with the game's career generator replaced, writes that
// generator's files.
void CampStartButtonClick(TMainForm& form);
// Creates a campaign for the service with this upper-case folder code in the game's career
// folder, as the game's career generator asks for it. Failures go to ErrorWarning and the log.
void CreateCampaign(TMainForm& form, const std::string& service_code);
// Sets up the default player squadron and pilots of the chosen nation.
void GetDefaultNation(TMainForm& form);

#pragma once

#include <string>

class TMainForm;

// The campaign record and campaign.tavrek in the campaign folder: bracketed sections, each
// followed by its value line (two for the destroy and sunk triggers) and an empty line, then
// the "[Mission]" block of key=value preferences.

// Reads campaign.tavrek into the record and the preference controls.
void CampaignInfo(TMainForm& form);
// Rewrites campaign.tavrek whole; a campaign without a front centre is not written.
void UpDateCampaignInfo(TMainForm& form);
// The text UpDateCampaignInfo writes.
std::string CampaignFileText(const TMainForm& form);

// A supply or oil bonus as read: above one hundred per cent it becomes "+100%"; "Default" and
// texts that are no percentage stay as they are.
std::string ReadSupplyBonus(const std::string& value);

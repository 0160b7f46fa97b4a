#pragma once

#include <string>

class TMainForm;

// Transfer to the next battle of a grand campaign.

// Moves the campaign to the battle that follows the current one for the victor ("Red" or
// "Blue") in the transfer table; with no next battle, or in a single-map campaign, ends the
// campaign with the victory message. reason: "Destroy" for a quota victory, else anything.
// A transfer that fails on the way is logged and leaves the campaign folder as it was.
void CampaignTransfer(TMainForm& form, const std::string& victor, const std::string& reason);
// The transfer table the campaign reads (ostcampaign.tavrek for the original edition, else
// grandcampaign.tavrek); empty when there is none.
std::string TransferTablePath(const TMainForm& form);

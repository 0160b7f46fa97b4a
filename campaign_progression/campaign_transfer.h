#pragma once

#include <string>

class TMainForm;

// Transfer to the next battle.

// Moves the campaign to its next battle; victor "Red" or "Blue".
void CampaignTransfer(TMainForm& form, const std::string& victor, const std::string& reason);

#pragma once

class TMainForm;

// The campaign record and campaign.tavrek.

// Reads campaign.tavrek.
void CampaignInfo(TMainForm& form);
// Writes campaign.tavrek.
void UpDateCampaignInfo(TMainForm& form);

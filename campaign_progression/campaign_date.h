#pragma once

class TMainForm;

// The campaign date as text.

void CampaignDate(TMainForm& form);

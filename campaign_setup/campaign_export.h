#pragma once

class TMainForm;

// Export of on-line campaigns.

// Export menu item: copies the campaign and settings to an export folder.
void ExportCampaignClick(TMainForm& form);

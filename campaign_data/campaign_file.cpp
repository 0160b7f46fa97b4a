#include "campaign_data/campaign_file.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CampaignInfo(TMainForm& form) {
  (void)form;
}
void UpDateCampaignInfo(TMainForm& form) {
  (void)form;
}

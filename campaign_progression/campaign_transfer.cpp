#include "campaign_progression/campaign_transfer.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CampaignTransfer(TMainForm& form, const std::string& victor, const std::string& reason) {
  (void)form;
  (void)victor;
  (void)reason;
}

#include "campaign_setup/coop_campaign.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void NGenCampaign(TMainForm& form) {
  (void)form;
}
void NGenConfLoad(TMainForm& form) {
  (void)form;
}

#include "campaign_progression/campaign_end.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CampaignEnd(TMainForm& form, const std::string& message) {
  (void)form;
  (void)message;
}
void GrandCampaign(TMainForm& form) {
  (void)form;
}

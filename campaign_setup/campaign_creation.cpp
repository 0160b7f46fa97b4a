#include "campaign_setup/campaign_creation.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void NewCampaignClick(TMainForm& form) {
  (void)form;
}
void CreateCampaign(TMainForm& form, const std::string& service_code) {
  (void)form;
  (void)service_code;
}
void GetDefaultNation(TMainForm& form) {
  (void)form;
}

#include "campaign_setup/coop_campaign.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void NGenCampaign(TMainForm& form) {
  (void)form;
}
void NGenConfLoad(TMainForm& form) {
  (void)form;
}
void UpdateNGenConf(TMainForm& form, int squadron, const std::string& old_id,
                    const std::string& name, const std::string& action) {
  (void)form;
  (void)squadron;
  (void)old_id;
  (void)name;
  (void)action;
}

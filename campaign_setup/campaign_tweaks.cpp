#include "campaign_setup/campaign_tweaks.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CampaignTweaks(TMainForm& form) {
  (void)form;
}

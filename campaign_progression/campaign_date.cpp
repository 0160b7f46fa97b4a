#include "campaign_progression/campaign_date.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CampaignDate(TMainForm& form) {
  (void)form;
}

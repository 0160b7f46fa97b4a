#include "campaign_setup/campaign_export.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ExportCampaignClick(TMainForm& form) {
  (void)form;
}

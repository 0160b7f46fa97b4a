#include "campaign_data/batch_driver.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ChkParams(TMainForm& form) {
  (void)form;
}

#include "campaign_progression/stationary_check.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void StationaryCheck(TMainForm& form) {
  (void)form;
}

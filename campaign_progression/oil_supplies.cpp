#include "campaign_progression/oil_supplies.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void OilSupplies(TMainForm& form) {
  (void)form;
}

#include "campaign_setup/flight_sizes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SchwarmNumber(TMainForm& form) {
  (void)form;
}

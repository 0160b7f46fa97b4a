#include "campaign_data/active_planes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GetActivePlanes(TMainForm& form) {
  (void)form;
}

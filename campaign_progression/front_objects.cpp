#include "campaign_progression/front_objects.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void StationaryFront(TMainForm& form) {
  (void)form;
}

#include "campaign_data/map_routes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void TargetLocations(TMainForm& form) {
  (void)form;
}

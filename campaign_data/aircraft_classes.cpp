#include "campaign_data/aircraft_classes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadPlaneInfo(TMainForm& form) {
  (void)form;
}

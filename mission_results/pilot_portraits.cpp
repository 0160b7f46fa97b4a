#include "mission_results/pilot_portraits.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadPilotPhoto(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
}

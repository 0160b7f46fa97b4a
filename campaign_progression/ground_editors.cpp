#include "campaign_progression/ground_editors.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SetGround(TMainForm& form) {
  (void)form;
}
void SetGroundObjects(TMainForm& form) {
  (void)form;
}

#include "campaign_progression/dogfight_ground_objects.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void DogfightColumns(TMainForm& form) {
  (void)form;
}
void SetRoF(TMainForm& form) {
  (void)form;
}

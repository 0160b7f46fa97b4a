#include "mission_results/name_lists.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CityNames(TMainForm& form) {
  (void)form;
}
void CustomPilotNames(TMainForm& form) {
  (void)form;
}
void PilotName(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
}
void PilotNameCheck(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
}

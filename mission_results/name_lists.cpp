#include "mission_results/name_lists.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CityNames(TMainForm& form) {
  (void)form;
}
void CustomPilotNames(TMainForm& form) {
  (void)form;
}

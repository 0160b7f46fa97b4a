#include "mission_generation/planner.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GenerateWays(TMainForm& form) {
  (void)form;
}

#include "mission_generation/mission_builder.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GenerateMission(TMainForm& form) {
  (void)form;
}

#include "mission_results/debriefing.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void DebriefText(TMainForm& form) {
  (void)form;
}

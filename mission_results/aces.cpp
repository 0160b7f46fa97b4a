#include "mission_results/aces.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadAces(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}

#include "mission_results/human_gunners.h"

#include "app/main_form.h"

// Not built yet: the operations change nothing.

void LoadGunner(TMainForm& form) {
  (void)form;
}
void SaveGunner(TMainForm& form) {
  (void)form;
}

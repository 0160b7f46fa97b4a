#include "mission_results/pilot_editor.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void PilotBox(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}
void PInfoClick(TMainForm& form) {
  (void)form;
}
void PilotListBoxClick(TMainForm& form) {
  (void)form;
}

#include "mission_results/pilot_roster.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadPilots(TMainForm& form) {
  (void)form;
}
void SavePilot(TMainForm& form, int mode) {
  (void)form;
  (void)mode;
}
void PilotSort(TMainForm& form) {
  (void)form;
}

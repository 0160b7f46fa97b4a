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
void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2) {
  (void)form;
  (void)squadron1;
  (void)squadron2;
  (void)slot1;
  (void)slot2;
}

#include "campaign_progression/aircraft_changes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void AlternateAircraft(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}
void HistoricDate(TMainForm& form, int squadron, int pace) {
  (void)form;
  (void)squadron;
  (void)pace;
}
void PlaneDownGrade(TMainForm& form) {
  (void)form;
}

#include "mission_results/event_log.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void MasterLog(TMainForm& form) {
  (void)form;
}
void SetLogFile(TMainForm& form) {
  (void)form;
}
void SetLogDate(TMainForm& form) {
  (void)form;
}

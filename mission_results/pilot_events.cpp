#include "mission_results/pilot_events.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void WriteEventsLog(TMainForm& form) {
  (void)form;
}

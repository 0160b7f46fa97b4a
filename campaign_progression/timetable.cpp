#include "campaign_progression/timetable.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void TimeTable(TMainForm& form) {
  (void)form;
}

#include "mission_results/bomber_crew.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SaveCrew(TMainForm& form) {
  (void)form;
}

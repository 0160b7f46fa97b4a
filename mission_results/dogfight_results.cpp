#include "mission_results/dogfight_results.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void DogfightLog(TMainForm& form) {
  (void)form;
}

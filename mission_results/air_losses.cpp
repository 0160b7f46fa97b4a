#include "mission_results/air_losses.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ShotDown(TMainForm& form, const std::string& pilot_name) {
  (void)form;
  (void)pilot_name;
}

#include "campaign_data/stationary_file.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void StationaryList(TMainForm& form) {
  (void)form;
}
void LoadStationary(TMainForm& form) {
  (void)form;
}

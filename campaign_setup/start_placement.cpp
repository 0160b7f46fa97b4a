#include "campaign_setup/start_placement.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GetColumnStartLocation(TMainForm& form, const std::string& mission_path) {
  (void)form;
  (void)mission_path;
}
void GetAirfield(TMainForm& form, const std::string& mission_path) {
  (void)form;
  (void)mission_path;
}

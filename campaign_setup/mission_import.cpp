#include "campaign_setup/mission_import.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ImportData(TMainForm& form, const std::string& mission_path) {
  (void)form;
  (void)mission_path;
}

#include "campaign_setup/player_defined_files.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void WritePlayerDefinedFiles(TMainForm& form) {
  (void)form;
}

#include "campaign_setup/backups.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LastBackup(TMainForm& form) {
  (void)form;
}

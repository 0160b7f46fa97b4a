#include "campaign_setup/dogfight_link.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ReadFBDIni(TMainForm& form) {
  (void)form;
}

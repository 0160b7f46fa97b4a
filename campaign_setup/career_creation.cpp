#include "campaign_setup/career_creation.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ChangeNation(TMainForm& form) {
  (void)form;
}
void CampPathChk(TMainForm& form) {
  (void)form;
}

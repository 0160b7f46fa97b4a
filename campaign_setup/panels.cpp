#include "campaign_setup/panels.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void CleanUpPanels(TMainForm& form) {
  (void)form;
}
void CleanUpCampChk(TMainForm& form) {
  (void)form;
}
void TroopBoxChange(TMainForm& form) {
  (void)form;
}
void CMSaveButtonClick(TMainForm& form) {
  (void)form;
}
void SaveCustomButtonClick(TMainForm& form) {
  (void)form;
}

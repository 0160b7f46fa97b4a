#include "campaign_setup/career_files.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SetUpCampIni(TMainForm& form) {
  (void)form;
}
void UpdateCampaign(TMainForm& form) {
  (void)form;
}
void UpdateConfDat(TMainForm& form) {
  (void)form;
}
void MissionStatus(TMainForm& form) {
  (void)form;
}

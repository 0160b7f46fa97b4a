#include "campaign_data/settings_file.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ReadIni(TMainForm& form) {
  (void)form;
}
void WriteIni(TMainForm& form) {
  (void)form;
}
void SetMainPathCanClose(TMainForm& form, bool& can_close) {
  (void)form;
  (void)can_close;
}
void SelectCampPathClick(TMainForm& form) {
  (void)form;
}
void SetCampPathCanClose(TMainForm& form, bool& can_close) {
  (void)form;
  (void)can_close;
}
void ThirdPartyPathMenuClick(TMainForm& form) {
  (void)form;
}
void Set3rdPartyPathCanClose(TMainForm& form, bool& can_close) {
  (void)form;
  (void)can_close;
}

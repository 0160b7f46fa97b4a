#include "campaign_progression/territory.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ReadTerritory(TMainForm& form) {
  (void)form;
}
void SetTgtNation(TMainForm& form, int mode) {
  (void)form;
  (void)mode;
}
void DefineTerritory(TMainForm& form) {
  (void)form;
}

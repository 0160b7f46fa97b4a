#include "campaign_setup/squadron_editor.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void QuickEditClick(TMainForm& form) {
  (void)form;
}
void SquadIDBoxChange(TMainForm& form) {
  (void)form;
}

#include "campaign_setup/campaign_modes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void AutoGenerationClickSender(TMainForm& form) {
  (void)form;
}
void CoopClickSender(TMainForm& form) {
  (void)form;
}
void DogfightClickSender(TMainForm& form) {
  (void)form;
}
void DGENToggle(TMainForm& form) {
  (void)form;
}
void DGenReplacement(TMainForm& form) {
  (void)form;
}

#include "campaign_setup/nose_art.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadNoseArt(TMainForm& form) {
  (void)form;
}
void NoseArtCheck(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
}
void NoseArtBoxSetup(TMainForm& form) {
  (void)form;
}
void NoseArtBoxChange(TMainForm& form) {
  (void)form;
}

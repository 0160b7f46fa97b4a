#include "campaign_setup/game_edition.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GameIDCheck(TMainForm& form) {
  (void)form;
}
void SetGamePathCanClose(TMainForm& form, bool& can_close) {
  (void)form;
  (void)can_close;
}

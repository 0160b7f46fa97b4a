#include "mission_results/player_name.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void PlayerNameCheck(TMainForm& form) {
  (void)form;
}
void TrackPlayerRanksClick(TMainForm& form) {
  (void)form;
}

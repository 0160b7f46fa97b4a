#include "mission_results/rank_awards.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void RankAwardSetup(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}

#include "mission_results/extra_sorties.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void BonusNPCMissions(TMainForm& form) {
  (void)form;
}

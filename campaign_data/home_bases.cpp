#include "campaign_data/home_bases.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SquadronBase(TMainForm& form) {
  (void)form;
}

#include "campaign_data/squadron_completion.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LoadSquadrons(TMainForm& form) {
  (void)form;
}

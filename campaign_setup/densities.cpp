#include "campaign_setup/densities.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SObjectDChangeSender(TMainForm& form) {
  (void)form;
}
void ColumnDensityChangeSender(TMainForm& form) {
  (void)form;
}
void SquadronDensityChangeSender(TMainForm& form) {
  (void)form;
}

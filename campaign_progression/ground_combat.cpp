#include "campaign_progression/ground_combat.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void DetermineRetreat(TMainForm& form) {
  (void)form;
}
void ResolveGroundCombat(TMainForm& form) {
  (void)form;
}
bool CapitalShipCheck(TMainForm& form, const std::string& ship_type) {
  (void)form;
  (void)ship_type;
  return false;
}

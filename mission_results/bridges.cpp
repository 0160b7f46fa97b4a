#include "mission_results/bridges.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void BridgeList(TMainForm& form) {
  (void)form;
}

#include "campaign_progression/column_routes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ColumnRoads(TMainForm& form) {
  (void)form;
}

#include "campaign_progression/column_logistics.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ColumnLocation(TMainForm& form, const std::string& mode) {
  (void)form;
  (void)mode;
}
void UpdateColumnList(TMainForm& form) {
  (void)form;
}

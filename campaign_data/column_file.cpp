#include "campaign_data/column_file.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ColumnList(TMainForm& form) {
  (void)form;
}
void WriteColumnList(TMainForm& form) {
  (void)form;
}

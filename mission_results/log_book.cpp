#include "mission_results/log_book.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void LogBook(TMainForm& form) {
  (void)form;
}

#include "campaign_data/messages.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void GetMessages(TMainForm& form) {
  (void)form;
}
void LanguageClick(TMainForm& form) {
  (void)form;
}

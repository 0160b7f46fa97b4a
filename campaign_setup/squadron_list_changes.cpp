#include "campaign_setup/squadron_list_changes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void AddNewSquadron(TMainForm& form, const std::string& squadron_name) {
  (void)form;
  (void)squadron_name;
}
void SquadDelete(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}
void SquadCleanUp(TMainForm& form) {
  (void)form;
}

#include "campaign_data/squadron_file.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void SquadronList(TMainForm& form, const std::string& mode) {
  (void)form;
  (void)mode;
}
void SaveSquadrons(TMainForm& form, int mode) {
  (void)form;
  (void)mode;
}

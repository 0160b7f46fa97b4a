#include "campaign_progression/territory_capture.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void TerritoryCapture(TMainForm& form) {
  (void)form;
}
void UpdateFront(TMainForm& form) {
  (void)form;
}
void ResetObjects(TMainForm& form) {
  (void)form;
}
void ParatroopCapture(TMainForm& form, const std::string& line, const std::string& kind) {
  (void)form;
  (void)line;
  (void)kind;
}

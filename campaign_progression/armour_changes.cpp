#include "campaign_progression/armour_changes.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void StartArmor(TMainForm& form) {
  (void)form;
}
void ArmorUpGrade(TMainForm& form, int column) {
  (void)form;
  (void)column;
}
std::string ReplaceArmy(TMainForm& form, const std::string& text, const std::string& side) {
  (void)form;
  (void)side;
  return text;
}

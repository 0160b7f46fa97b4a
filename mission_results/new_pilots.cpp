#include "mission_results/new_pilots.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void NewPilotStats(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
}
std::string StartRank(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
  return std::string();
}
std::string GetBirthDate(TMainForm& form, int squadron, int slot) {
  (void)form;
  (void)squadron;
  (void)slot;
  return std::string();
}

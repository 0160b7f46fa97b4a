#include "mission_results/squadron_nation_names.h"

#include "app/main_form.h"

// Not built yet: no nation is named.

std::string SquadronCountry(TMainForm& form, const std::string& squadron_name) {
  (void)form;
  (void)squadron_name;
  return std::string();
}

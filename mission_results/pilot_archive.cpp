#include "mission_results/pilot_archive.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void ArchivePilot(TMainForm& form, int slot, const std::string& event_text) {
  (void)form;
  (void)slot;
  (void)event_text;
}

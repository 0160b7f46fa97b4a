#include "mission_results/event_log_names.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

std::string ConvertUnicode(TMainForm& form, const std::string& text) {
  (void)form;
  return text;
}
std::string FixPilotName(TMainForm& form, const std::string& name) {
  (void)form;
  return name;
}
std::string TranslateLocation(TMainForm& form, const std::string& text,
                              const std::string& russian) {
  (void)form;
  (void)russian;
  return text;
}

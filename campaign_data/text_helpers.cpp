#include "campaign_data/text_helpers.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

std::string ReplaceTextProcedure(const std::string& text, const std::string& old_text,
                                 const std::string& new_text) {
  (void)old_text;
  (void)new_text;
  return text;
}
std::string RemoveBridgeNo(TMainForm& form, const std::string& text) {
  (void)form;
  return text;
}
std::string ArticleFix(const std::string& text) {
  return text;
}

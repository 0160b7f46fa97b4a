#include "campaign_setup/setup_errors.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "platform/errors.h"

void LogAndStop(TMainForm& form, const std::string& log_text, const std::string& error_text) {
  ErrorLog(form, log_text);
  throw ProgramError(error_text);
}

void ErrorTrapAndStop(TMainForm& form, const std::string& message) {
  ErrorTrap(form, message);
  throw ProgramError(message);
}

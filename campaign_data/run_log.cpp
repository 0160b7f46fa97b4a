#include "campaign_data/run_log.h"

#include <cstdio>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/text_file.h"

std::string RunLogStamp(const LocalDateTime& time) {
  return "[" + ZeroPad(time.year, 4) + "/" + ZeroPad(time.month, 2) + "/" + ZeroPad(time.day, 2) +
         " " + ZeroPad(time.hour, 2) + ":" + ZeroPad(time.minute, 2) + ":" +
         ZeroPad(time.second, 2) + "." + IntToStr(time.millisecond) + "] ";
}

void ErrorLog(TMainForm& form, const std::string& message) {
  form.ErrorText += RunLogStamp(form.Platform.ClockService().LocalNow()) + message + "\r\n";
  try {
    WriteTextFile(form.ProgramFolder + "tavrekerror.txt", form.ErrorText + "\r\n");
  } catch (const FileError& error) {
    if (!form.RunLogWriteFailed) {
      std::fprintf(stderr, "tavrek: the run log cannot be written (%s); it is kept in memory.\n",
                   error.what());
      form.RunLogWriteFailed = true;
    }
  }
}

void ErrorTrap(TMainForm& form, const std::string& message) {
  ++form.FatalErrorCount;
  ErrorLog(form, message);
  if (form.CommandLineRun()) {
    form.Application.MarkFailed();
    form.Close();
    return;
  }
  form.GMMenu.Enabled = false;
  throw ProgramError(message);
}

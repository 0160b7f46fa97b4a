#include "campaign_data/run_log.h"

#include <cstdio>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/text_file.h"

std::string RunLogStamp(const LocalDateTime& time) {
  return "[" + ZeroPad(time.year, 4) + "/" + ZeroPad(time.month, 2) + "/" + ZeroPad(time.day, 2) +
         " " + ZeroPad(time.hour, 2) + ":" + ZeroPad(time.minute, 2) + ":" +
         ZeroPad(time.second, 2) + "." + IntToStr(time.millisecond) + "] ";
}

namespace {

// The file holds the log and one closing CR LF. When it still holds what was written last, the
// new line goes over that closing CR LF through the file kept open; otherwise (a new run, a
// cleared log, another folder, a file deleted or changed by someone else) the file is written
// whole and kept open anew.
void WriteRunLogFile(TMainForm& form, size_t logged_before, std::string_view line) {
  const std::string path = form.ProgramFolder + "tavrekerror.txt";
  const std::string tail = std::string(line) + "\r\n";
  if (form.RunLogFile.ReplaceTail(path, logged_before + 2, logged_before, tail)) return;
  form.RunLogFile.Close();
  WriteTextFile(path, form.ErrorText + "\r\n");
  form.RunLogFile.Keep(path, form.ErrorText.size() + 2);
}

}  // namespace

void ErrorLog(TMainForm& form, const std::string& message) {
  const size_t logged_before = form.ErrorText.size();
  form.ErrorText += RunLogStamp(form.Platform.ClockService().LocalNow()) + message + "\r\n";
  if (form.ProgramFolderInUse) return;  // the log there is another copy's
  try {
    WriteRunLogFile(form, logged_before, std::string_view(form.ErrorText).substr(logged_before));
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

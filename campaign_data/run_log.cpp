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
// new line goes over that closing CR LF; otherwise (a new run, a cleared log, another folder, a
// file deleted or changed by someone else) the file is written whole.
void WriteRunLogFile(TMainForm& form, size_t logged_before, std::string_view line) {
  const std::string path = form.ProgramFolder + "tavrekerror.txt";
  const bool file_current = form.RunLogFile == path && form.RunLogFileBytes == logged_before;
  form.RunLogFile.clear();
  const std::string tail = std::string(line) + "\r\n";
  if (!file_current || !ReplaceFileTail(path, logged_before + 2, logged_before, tail)) {
    WriteTextFile(path, form.ErrorText + "\r\n");
  }
  form.RunLogFile = path;
  form.RunLogFileBytes = form.ErrorText.size();
}

}  // namespace

void ErrorLog(TMainForm& form, const std::string& message) {
  const size_t logged_before = form.ErrorText.size();
  form.ErrorText += RunLogStamp(form.Platform.ClockService().LocalNow()) + message + "\r\n";
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
  ErrorLog(form, message);
  if (form.CommandLineRun()) {
    form.Application.MarkFailed();
    form.Close();
    return;
  }
  form.GMMenu.Enabled = false;
  throw ProgramError(message);
}

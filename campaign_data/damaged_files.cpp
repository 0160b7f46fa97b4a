#include "campaign_data/damaged_files.h"

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "platform/errors.h"
#include "platform/file_system.h"

std::string DamagedCopyName(const std::string& path) {
  const std::string first = path + ".damaged";
  std::string name = first;
  for (int n = 2; FileExists(name); ++n) name = first + IntToStr(n);
  return name;
}

void KeepDamagedOriginal(TMainForm& form, LoadedFile& loaded, const std::string& path) {
  if (loaded.original_kept || loaded.path != path || loaded.report.WholeAndClean()) return;
  if (!FileExists(path)) {
    loaded.original_kept = true;
    return;
  }
  const std::string copy = DamagedCopyName(path);
  const std::string file = ExtractFileName(path);
  if (!CopyFile(path, copy, true)) {
    const std::string message = file + " was not read whole (" + loaded.report.Faults() +
                                ") and could not be kept as " + ExtractFileName(copy) +
                                "; it is not saved, so that nothing of it is lost.";
    ErrorLog(form, message);
    throw FileError(message);
  }
  loaded.original_kept = true;
  const std::string message = file + " was not read whole (" + loaded.report.Faults() +
                              "). The file as it was is kept as " + ExtractFileName(copy) +
                              " beside it; " + file + " is now saved from what was read.";
  ErrorLog(form, message);
  if (!form.CommandLineRun()) {
    form.Platform.DialogService().MessageBox(message, form.Application.Title, MessageButtons::kOk);
  }
}

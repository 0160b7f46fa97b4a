#include "campaign_data/program_folder.h"

#include <cstdio>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "platform/file_system.h"

std::string RunningProgramPath(const TMainForm& form) {
  const std::string parameter0 = form.ParamStr(0);
  return parameter0.empty() ? ExecutablePath() : parameter0;
}

std::string RunningProgramFolder(const TMainForm& form) {
  return ExtractFilePath(RunningProgramPath(form));
}

bool ProgramFolderHoldsProgram(const TMainForm& form) {
  const std::string program = ExtractFileName(RunningProgramPath(form));
  return !form.ProgramFolder.empty() && !program.empty() &&
         FileExists(form.ProgramFolder + program);
}

bool SameFolder(std::string_view a, std::string_view b) {
  auto normal = [](std::string_view folder) {
    std::string text = ResolvePath(folder).generic_string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
  };
  return normal(a) == normal(b);
}

namespace {

void RefuseProgramFolder(TMainForm& form, const std::string& folder) {
  form.ProgramFolderInUse = true;
  const std::string message = "Another copy of Tavrek is running on the program folder " + folder +
                              ". This copy does not write there and stops.";
  ErrorLog(form, message);
  if (form.CommandLineRun()) {
    std::fprintf(stderr, "tavrek: %s\n", message.c_str());
    form.Application.MarkFailed();
  } else {
    form.Platform.DialogService().MessageBox(message, form.Application.Title, MessageButtons::kOk);
  }
  form.Close();
}

}  // namespace

bool ClaimProgramFolder(TMainForm& form) {
  if (form.ProgramFolderInUse) return false;
  const std::string folder =
      form.ProgramFolder.empty() ? RunningProgramFolder(form) : form.ProgramFolder;
  if (form.ProgramFolderLock && (form.ProgramFolderLock->Folder() == folder ||
                                 SameFolder(form.ProgramFolderLock->Folder(), folder))) {
    return true;
  }
  std::unique_ptr<FolderLock> lock;
  switch (FolderLock::Claim(folder, lock)) {
    case FolderLock::Outcome::kClaimed:
      form.ProgramFolderLock = std::move(lock);
      return true;
    case FolderLock::Outcome::kNotPossible:
      return true;
    case FolderLock::Outcome::kInUse:
      break;
  }
  RefuseProgramFolder(form, folder);
  return false;
}

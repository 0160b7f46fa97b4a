#include "campaign_data/program_folder.h"

#include "app/main_form.h"
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

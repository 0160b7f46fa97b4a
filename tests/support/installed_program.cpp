#include "tests/support/installed_program.h"

#include <filesystem>

#include "app/program.h"
#include "campaign_data/startup.h"
#include "platform/text_file.h"
#include "tests/support/reference_fixture.h"

namespace fs = std::filesystem;

void InstallProgram(TestWorld& world, const std::vector<std::string>& arguments) {
  const std::string program = world.program_folder.Write("tavrek", "");
  InstallStartupData(world.program_folder);
  std::vector<std::string> command_line{program};
  command_line.insert(command_line.end(), arguments.begin(), arguments.end());
  world.form.reset();
  world.form = std::make_unique<TMainForm>(*world.platform, std::move(command_line));
  world.form->ProgramFolder = world.program_folder.Path();
}

void InstallStartupData(const TempFolder& program_folder) {
  const fs::path data = fs::path(program_folder.Path()) / "data";
  fs::create_directories(data);
  for (const fs::directory_entry& entry : fs::directory_iterator(SourceDataFolder())) {
    const fs::path& file = entry.path();
    if (file.filename().string().starts_with("messages") && file.extension() == ".tavrek") {
      fs::copy_file(file, data / file.filename(), fs::copy_options::overwrite_existing);
    }
  }
  InstallReferenceFixture(program_folder);
}

void WriteSettingsFile(const TestWorld& world, const std::vector<std::string>& lines) {
  world.program_folder.Write("tavrek.ini", JoinLinesCrLf(lines));
}

std::string ProgramFile(const TestWorld& world, const std::string& name) {
  return world.program_folder.Path() + name;
}

void CreateWindowAsTheProgramDoes(TMainForm& form) {
  try {
    FormCreate(form);
  } catch (const std::exception& error) {
    ReportUncaughtError(form, error);
  }
}

std::vector<std::string> RunLogMessages(const TMainForm& form) {
  std::vector<std::string> messages;
  for (const std::string& line : SplitTextLines(form.ErrorText)) {
    const size_t stamp_end = line.find("] ");
    messages.push_back(stamp_end == std::string::npos ? line : line.substr(stamp_end + 2));
  }
  return messages;
}

#include "tests/support/installed_program.h"

#include "platform/text_file.h"

void InstallProgram(TestWorld& world, const std::vector<std::string>& arguments) {
  const std::string program = world.program_folder.Write("tavrek", "");
  std::vector<std::string> command_line{program};
  command_line.insert(command_line.end(), arguments.begin(), arguments.end());
  world.form.reset();
  world.form = std::make_unique<TMainForm>(*world.platform, std::move(command_line));
  world.form->ProgramFolder = world.program_folder.Path();
}

std::string ProgramFile(const TestWorld& world, const std::string& name) {
  return world.program_folder.Path() + name;
}

std::vector<std::string> RunLogMessages(const TMainForm& form) {
  std::vector<std::string> messages;
  for (const std::string& line : SplitTextLines(form.ErrorText)) {
    const size_t stamp_end = line.find("] ");
    messages.push_back(stamp_end == std::string::npos ? line : line.substr(stamp_end + 2));
  }
  return messages;
}

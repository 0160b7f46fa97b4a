#include "app/program.h"

#include <cstdlib>
#include <memory>
#include <optional>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/file_system.h"

namespace {

std::optional<std::uint32_t> SeedFromEnvironment() {
  const char* text = std::getenv("TAVREK_SEED");
  if (text == nullptr) return std::nullopt;
  return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
}

}  // namespace

int RunProgram(std::vector<std::string> command_line) {
  const bool command_line_run = command_line.size() > 1;
  auto platform = PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  platform->FixedRandomSeed = SeedFromEnvironment();
  (void)command_line_run;
  return RunProgram(*platform, std::move(command_line));
}

int RunProgram(PlatformServices& platform, std::vector<std::string> command_line) {
  if (!command_line.empty()) {
    const std::string self = ExecutablePath();
    if (!self.empty()) command_line[0] = self;
  }
  TApplication& application = platform.Application();
  application.Title = "Tavrek";
  application.ShowMainForm = command_line.size() <= 1;

  auto form = std::make_unique<TMainForm>(platform, std::move(command_line));
  platform.Loop().SetExceptionHandler(
      [&application](const std::exception& error) { application.ShowException(error); });
  try {
    FormCreate(*form);
  } catch (const std::exception& error) {
    application.ShowException(error);
  }
  platform.Loop().Run();
  return application.ExitCode();
}

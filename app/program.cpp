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

// Texts of message boxes and dialogs that a hidden run does not show go to its run log.
class DialogSinkToRunLog {
 public:
  DialogSinkToRunLog(PlatformServices& platform, TMainForm& form)
      : headless_(dynamic_cast<HeadlessDialogs*>(&platform.DialogService())) {
    if (headless_ != nullptr) {
      headless_->SetSink([&form](const std::string& text) { ErrorLog(form, text); });
    }
  }
  ~DialogSinkToRunLog() {
    if (headless_ != nullptr) headless_->SetSink({});
  }
  DialogSinkToRunLog(const DialogSinkToRunLog&) = delete;
  DialogSinkToRunLog& operator=(const DialogSinkToRunLog&) = delete;

 private:
  HeadlessDialogs* headless_;
};

}  // namespace

int RunProgram(std::vector<std::string> command_line) {
  if (!command_line.empty()) {
    const std::string self = ExecutablePath();
    if (!self.empty()) command_line[0] = self;
  }
  // Until the terminal front end is wired, an interactive run has no dialogs to show either.
  auto platform = PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  platform->FixedRandomSeed = SeedFromEnvironment();
  return RunProgram(*platform, std::move(command_line));
}

int RunProgram(PlatformServices& platform, std::vector<std::string> command_line) {
  TApplication& application = platform.Application();
  application.Title = "Tavrek";
  application.ShowMainForm = command_line.size() <= 1;

  auto form = std::make_unique<TMainForm>(platform, std::move(command_line));
  DialogSinkToRunLog sink(platform, *form);
  platform.Loop().SetExceptionHandler(
      [&form](const std::exception& error) { ReportUncaughtError(*form, error); });
  try {
    FormCreate(*form);
  } catch (const std::exception& error) {
    ReportUncaughtError(*form, error);
  }
  platform.Loop().Run();
  platform.Loop().SetExceptionHandler({});
  platform.HotKeyService().UnregisterHotKey(form->HotKeyId);
  return application.ExitCode();
}

void ReportUncaughtError(TMainForm& form, const std::exception& error) {
  if (!form.CommandLineRun()) {
    form.Application.ShowException(error);
    return;
  }
  ErrorLog(form, "Fatal error: " + TrimRight(error.what()));
  form.Application.MarkFailed();
  form.Close();
}

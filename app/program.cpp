#include "app/program.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "platform/file_system.h"
#include "platform/terminal_dialogs.h"
#include "platform/terminal_front_end.h"
#include "platform/terminal_input.h"

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
  std::unique_ptr<TerminalInput> terminal;
  std::unique_ptr<Dialogs> dialogs;
  if (command_line.size() > 1) {
    dialogs = std::make_unique<HeadlessDialogs>();
  } else {
    terminal = std::make_unique<TerminalInput>(STDIN_FILENO);
    dialogs = std::make_unique<TerminalDialogs>(*terminal, std::cout);
  }
  auto platform = PlatformServices::ForThisMachine(std::move(dialogs));
  platform->FixedRandomSeed = SeedFromEnvironment();
  return RunProgram(*platform, std::move(command_line), terminal.get());
}

int RunProgram(PlatformServices& platform, std::vector<std::string> command_line,
               TerminalInput* terminal) {
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
  // Declared after the window, so it is destroyed before it.
  std::unique_ptr<TerminalFrontEnd> front_end;
  if (application.ShowMainForm && terminal != nullptr && !platform.Loop().QuitRequested()) {
    front_end = std::make_unique<TerminalFrontEnd>(form->Controls, platform.Loop(),
                                                   platform.HotKeyService(), *terminal, std::cout);
    front_end->Start();
  }
  platform.Loop().Run();
  platform.Loop().SetExceptionHandler({});
  platform.HotKeyService().UnregisterHotKey(form->HotKeyId);
  return application.ExitCode();
}

void ReportUncaughtError(TMainForm& form, const std::exception& error) {
  if (!form.CommandLineRun()) {
    // What the user is shown is in the run log too; most errors are logged where they arise.
    const std::string message = TrimRight(error.what());
    if (!EndsWith(TrimRight(form.ErrorText), message)) ErrorLog(form, "Error: " + message);
    form.Application.ShowException(error);
    return;
  }
  ErrorLog(form, "Fatal error: " + TrimRight(error.what()));
  form.Application.MarkFailed();
  form.Close();
}

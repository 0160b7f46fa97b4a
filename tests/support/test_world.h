#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"
#include "tests/support/platform_doubles.h"

// A clock that stands still until a test moves it.
class FakeClock : public Clock {
 public:
  LocalDateTime LocalNow() const override { return now; }
  std::uint32_t UtcMillisecondsOfDay() const override { return utc_ms_of_day; }
  LocalDateTime now{2026, 12, 8, 19, 37, 5, 42};
  std::uint32_t utc_ms_of_day = 12345;
};

// Dialogs answered from a script. A dialog or message box that no answer was queued for fails
// the test and takes the way of Cancel/No.
class ScriptedDialogs : public Dialogs {
 public:
  struct Answer {
    std::string expected_text;  // a part of the text or title the dialog must show
    ModalResult result = ModalResult::kOk;
    std::optional<std::string> file;  // for file dialogs and input queries
  };

  void ExpectMessage(std::string text_part, ModalResult result);
  void ExpectOpenFile(std::string title_part, std::optional<std::string> file);
  void ExpectInput(std::string prompt_part, std::optional<std::string> text);
  bool AllAnswered() const { return answers_.empty(); }

  ModalResult MessageBox(const std::string& text, const std::string& caption,
                         MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const OpenDialogRequest& request) override;
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;

  std::vector<std::string> shown;  // every text shown, in order

 private:
  std::optional<Answer> Next(const std::string& shown_text);
  std::deque<Answer> answers_;
};

// A folder of its own under the system's temporary folder, removed with its contents at the
// end of the test. Path() ends in "/".
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  // Writes a file below the folder (creating its folders) and answers its full path.
  std::string Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;

 private:
  std::string path_;
};

// Source-tree folders, each ending in "/".
std::string SourceDataFolder();
std::string FixturesFolder();

// Everything one test needs: the platform with doubles, a program folder and a main window. Its
// shell starts nothing: it records what the program asked to open.
struct TestWorld {
  explicit TestWorld(std::vector<std::string> command_line = {"tavrek"});
  // Places a copy of the shipped reference data in the program folder's data/.
  void InstallProgramData() const;

  FakeClock* clock = nullptr;
  ScriptedDialogs* dialogs = nullptr;
  RecordingShell* shell = nullptr;
  std::unique_ptr<PlatformServices> platform;
  TempFolder program_folder;
  std::unique_ptr<TMainForm> form;
};

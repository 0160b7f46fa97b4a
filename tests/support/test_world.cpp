#include "tests/support/test_world.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void ScriptedDialogs::ExpectMessage(std::string text_part, ModalResult result) {
  answers_.push_back(Answer{std::move(text_part), result, std::nullopt});
}

void ScriptedDialogs::ExpectOpenFile(std::string title_part, std::optional<std::string> file) {
  answers_.push_back(Answer{std::move(title_part), ModalResult::kOk, std::move(file)});
}

void ScriptedDialogs::ExpectInput(std::string prompt_part, std::optional<std::string> text) {
  answers_.push_back(Answer{std::move(prompt_part), ModalResult::kOk, std::move(text)});
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::Next(const std::string& shown_text) {
  shown.push_back(shown_text);
  if (answers_.empty() || shown_text.find(answers_.front().expected_text) == std::string::npos) {
    ADD_FAILURE() << "Unexpected dialog: " << shown_text;
    return std::nullopt;
  }
  Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

ModalResult ScriptedDialogs::MessageBox(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
  const auto answer = Next(caption + ": " + text);
  if (answer) return answer->result;
  return buttons == MessageButtons::kOk ? ModalResult::kOk
         : buttons == MessageButtons::kOkCancel ? ModalResult::kCancel
                                                 : ModalResult::kNo;
}

std::optional<std::string> ScriptedDialogs::OpenFile(const OpenDialogRequest& request) {
  const auto answer = Next(request.title);
  return answer ? answer->file : std::nullopt;
}

std::optional<std::string> ScriptedDialogs::InputQuery(const std::string& caption,
                                                       const std::string& prompt,
                                                       const std::string&) {
  const auto answer = Next(caption + ": " + prompt);
  return answer ? answer->file : std::nullopt;
}

TempFolder::TempFolder() {
  static std::atomic<unsigned> sequence{0};
  const fs::path base = fs::temp_directory_path() / ("tavrek_test_" + std::to_string(::getpid()) +
                                                     "_" + std::to_string(sequence++));
  fs::remove_all(base);
  fs::create_directories(base);
  path_ = base.string() + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& relative, const std::string& content) const {
  const fs::path file = fs::path(path_) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
  return file.string();
}

std::string TempFolder::Read(const std::string& relative) const {
  std::ifstream in(fs::path(path_) / relative, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string SourceDataFolder() { return std::string(TAVREK_SOURCE_DIR) + "/data/"; }
std::string FixturesFolder() { return std::string(TAVREK_FIXTURES_DIR) + "/"; }

TestWorld::TestWorld(std::vector<std::string> command_line) {
  auto fake_clock = std::make_unique<FakeClock>();
  auto scripted = std::make_unique<ScriptedDialogs>();
  auto recording_shell = std::make_unique<RecordingShell>();
  clock = fake_clock.get();
  dialogs = scripted.get();
  shell = recording_shell.get();
  platform = std::make_unique<PlatformServices>(std::move(scripted), std::move(fake_clock),
                                                std::move(recording_shell),
                                                std::make_unique<NoRegistry>());
  platform->FixedRandomSeed = 1;
  form = std::make_unique<TMainForm>(*platform, std::move(command_line));
  form->ProgramFolder = program_folder.Path();
  // An installed program folder holds the program: saving the settings then asks nothing.
  program_folder.Write("tavrek", "");
}

void TestWorld::InstallProgramData() const {
  fs::copy(SourceDataFolder(), fs::path(program_folder.Path()) / "data",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

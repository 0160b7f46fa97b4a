#include "app/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/main_form.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/support/installed_program.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::HasSubstr;

struct RunCase {
  const char* name;
  std::vector<std::string> arguments;
  int exit_status;
  std::string logged;  // a part of a run-log line
};

void PrintTo(const RunCase& c, std::ostream* os) {
  *os << c.name;
}

class CommandLineRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(CommandLineRunTest, EndsByItselfWithItsStatus) {
  const RunCase& c = GetParam();
  TestWorld world;
  std::vector<std::string> command_line{ProgramFile(world, "tavrek")};
  command_line.insert(command_line.end(), c.arguments.begin(), c.arguments.end());
  EXPECT_EQ(RunProgram(*world.platform, command_line), c.exit_status);
  EXPECT_FALSE(world.platform->Application().ShowMainForm);
  EXPECT_TRUE(world.dialogs->shown.empty());
  const std::string log = world.program_folder.Read("tavrekerror.txt");
  EXPECT_THAT(log, HasSubstr(c.logged));
  EXPECT_THAT(log, HasSubstr("] Form Create Complete\r\n\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandLineRunTest,
    ::testing::Values(RunCase{"Unrecognised", {"xyz"}, 0, "Parameters processed."},
                      RunCase{"OnlineUpdate", {"netupdate"}, 0, "Netupdate begins execution."},
                      RunCase{"ForeignCoopCampaign",
                              {"C:/IL2/missions/net/ngen/Other/conf.dat"},
                              0,
                              "Nothing left to do; the program ends."},
                      RunCase{"CareerWithoutRank", {"ru"}, 1, "Career start without a valid rank"}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST(Program, AnUncaughtErrorOfAHiddenRunIsLoggedAndEndsItAsFailed) {
  TestWorld world;
  InstallProgram(world, {"xyz"});
  ReportUncaughtError(*world.form, ProgramError("No campaign active.\r\n"));
  EXPECT_EQ(RunLogMessages(*world.form).back(), "Fatal error: No campaign active.");
  EXPECT_TRUE(world.form->Application.Failed());
  EXPECT_TRUE(world.form->Application.Terminated());
  EXPECT_TRUE(world.dialogs->shown.empty());
}

TEST(Program, AnUncaughtErrorOfAnInteractiveRunIsShownAndTheRunGoesOn) {
  TestWorld world;
  world.platform->Loop().Post([] { throw ProgramError("No campaign active."); });
  world.platform->Loop().Post([&world] { world.platform->Application().Terminate(); });
  world.dialogs->ExpectMessage("No campaign active.", ModalResult::kOk);
  const int status = RunProgram(*world.platform, {ProgramFile(world, "tavrek")});
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_THAT(world.dialogs->shown.front(), HasSubstr("Tavrek: "));
  EXPECT_TRUE(world.platform->Application().ShowMainForm);
  EXPECT_EQ(status, 1);
}

TEST(Program, TheWindowsEventsReachTheirHandlers) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.TimeOutTimer.OnTimer();
  EXPECT_EQ(RunLogMessages(form).back(), "Check for Termination.");
  world.dialogs->ExpectOpenFile("Locate Tavrek Campaign Squadron File", std::nullopt);
  form.SelectCampPath.UserClick();
  world.dialogs->ExpectOpenFile("Locate Tavrek Campaign Squadron File", std::nullopt);
  form.CampButton.UserClick();
  world.dialogs->ExpectOpenFile("Optional Third Party Campaigns Data Folder", std::nullopt);
  form.ThirdPartyPathMenu.UserClick();
  EXPECT_TRUE(world.dialogs->AllAnswered());
  form.GermanSupport.UserClick();
  EXPECT_TRUE(form.GermanSupport.Checked);
  EXPECT_FALSE(form.EnglishSupport.Checked);
}

#ifdef TAVREK_PROGRAM
// The built program, run as a process of its own from a folder of its own.
TEST(Program, TheBuiltProgramEndsByItselfOnAnUnrecognisedArgument) {
  const TempFolder folder;
  const std::string program = folder.Path() + "tavrek";
  std::filesystem::copy_file(TAVREK_PROGRAM, program);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::execl(program.c_str(), program.c_str(), "unrecognised", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  pid_t ended = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (ended == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    FAIL() << "the program did not end within 60 s";
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const std::string log = folder.Read("tavrekerror.txt");
  EXPECT_THAT(log, HasSubstr("] Parameter String1 = unrecognised\r\n"));
  EXPECT_THAT(log, HasSubstr("] Parameters processed.\r\n"));
  EXPECT_TRUE(FileExists(folder.Path() + "tavrek.ini"));
}
#endif

}  // namespace

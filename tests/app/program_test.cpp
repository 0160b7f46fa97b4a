#include "app/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/run_log.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/app/built_program.h"
#include "tests/support/first_run.h"
#include "tests/support/installed_program.h"
#include "tests/support/reference_fixture.h"
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
  InstallStartupData(world.program_folder);
  std::vector<std::string> command_line{ProgramFile(world, "tavrek")};
  command_line.insert(command_line.end(), c.arguments.begin(), c.arguments.end());
  EXPECT_EQ(RunProgram(*world.platform, command_line), c.exit_status);
  EXPECT_FALSE(world.platform->Application().ShowMainForm);
  EXPECT_TRUE(world.dialogs->shown.empty());
  const std::string log = world.program_folder.Read("tavrekerror.txt");
  EXPECT_THAT(log, HasSubstr(c.logged));
  // A run that fails does so in window creation, which the error ends.
  if (c.exit_status == 0) {
    EXPECT_THAT(log, HasSubstr("] Form Create Complete\r\n\r\n"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandLineRunTest,
    // Without a campaign, a start that generates a mission ends with the pipeline's error.
    ::testing::Values(RunCase{"Unrecognised", {"xyz"}, 1, "] Before the passes: GrandCampaign."},
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
  InstallStartupData(world.program_folder);
  world.platform->Loop().Post([] { throw ProgramError("No campaign active."); });
  world.platform->Loop().Post([&world] { world.platform->Application().Terminate(); });
  ExpectGameNotChosen(*world.dialogs);
  world.dialogs->ExpectMessage("No campaign active.", ModalResult::kOk);
  const int status = RunProgram(*world.platform, {ProgramFile(world, "tavrek")});
  EXPECT_TRUE(world.dialogs->AllAnswered());
  EXPECT_EQ(world.dialogs->shown.back(), "Tavrek: No campaign active.");
  EXPECT_TRUE(world.platform->Application().ShowMainForm);
  EXPECT_EQ(status, 0);
}

// Every error shown in the window is in the run log too, once.
TEST(Program, AnErrorShownInTheWindowIsAlsoLoggedOnce) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.dialogs->ExpectMessage("stationary.tavrek line 3", ModalResult::kOk);
  ReportUncaughtError(form, ProgramError("stationary.tavrek line 3: 'x' is not a valid number"));
  EXPECT_EQ(RunLogMessages(form).back(),
            "Error: stationary.tavrek line 3: 'x' is not a valid number");

  ErrorLog(form, "No class file found.");
  const size_t logged = RunLogMessages(form).size();
  world.dialogs->ExpectMessage("No class file found.", ModalResult::kOk);
  ReportUncaughtError(form, ProgramError("No class file found.\r\n"));
  EXPECT_EQ(RunLogMessages(form).size(), logged);
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST(Program, TheWindowsEventsReachTheirHandlers) {
  TestWorld world;
  InstallStartupData(world.program_folder);
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
TEST(Program, TheBuiltProgramEndsByItselfOnAnUnrecognisedArgument) {
  const TempFolder folder;
  InstallBuiltProgram(folder);
  const ProgramRun run = RunBuiltProgram(folder, {"unrecognised"}, "");
  ASSERT_TRUE(run.ended) << "the program did not end within 60 s";
  // It generates a mission, and with no campaign chosen that fails and is logged.
  EXPECT_EQ(run.exit_status, 1);
  const std::string log = folder.Read("tavrekerror.txt");
  EXPECT_THAT(log, HasSubstr("] Parameter String1 = unrecognised\r\n"));
  EXPECT_THAT(log, HasSubstr("] Parameters processed.\r\n"));
  EXPECT_THAT(log, HasSubstr("] No campaign.tavrek file found.\r\n"));
  EXPECT_THAT(log, HasSubstr("] Fatal error: "));
  EXPECT_TRUE(FileExists(folder.Path() + "tavrek.ini"));
}

TEST(Program, TheBuiltProgramShowsItsWindowAndTakesCommandsFromStandardInput) {
  const TempFolder folder;
  InstallBuiltProgram(folder);
  InstallReferenceFixture(folder);
  // No game is installed beside it: both of the first start's questions for it are cancelled.
  const ProgramRun run = RunBuiltProgram(folder, {}, "\n\nshow\nclick German\nquit\n");
  ASSERT_TRUE(run.ended) << "the program did not end within 60 s\n" << run.output;
  EXPECT_EQ(run.exit_status, 0) << run.output;
  const std::string& out = run.output;
  const size_t shown = out.find("> show\nWindow\n");
  const size_t clicked = out.find("> click German\nGermanSupport  menu item (*) \"German\"\n");
  const size_t quit = out.find("> quit\nQuitting.\n");
  ASSERT_NE(shown, std::string::npos) << out;
  ASSERT_NE(clicked, std::string::npos) << out;
  ASSERT_NE(quit, std::string::npos) << out;
  EXPECT_LT(shown, clicked);
  EXPECT_LT(clicked, quit);
  // The window as shown before the click: the language menu with English chosen.
  const std::string before = out.substr(shown, clicked - shown);
  EXPECT_THAT(before, HasSubstr("  Language  (LanguageMenu)\n    (*) English  (EnglishSupport)\n"));
  EXPECT_THAT(before, HasSubstr("    ( ) German  (GermanSupport)\n"));
  EXPECT_THAT(before, HasSubstr("  MissionButton  button \"Generate Mission\"\n"));
  // The click reached the window's handler, which saved the choice.
  EXPECT_THAT(folder.Read("tavrek.ini"), HasSubstr("\r\nLanguage=German\r\n"));
  EXPECT_THAT(folder.Read("tavrekerror.txt"), HasSubstr("] Form Create Complete\r\n"));
}

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

constexpr const char* kWelcomeOnTheTerminal =
    "[Tavrek] Welcome to Tavrek.\n\nTo start, click okay and then select your game or server "
    "\"EXE\" file.\n";
constexpr const char* kGameDialogOnTheTerminal =
    "[Select IL-2/FB Game Path]\n  Files: IL-2 Game|*.exe\n";

TEST(Program, TheBuiltProgramWelcomesAFirstStartAndTakesTheGameTypedIn) {
  const TempFolder folder;
  InstallBuiltProgram(folder);
  InstallReferenceFixture(folder);
  const TempFolder game;
  game.Write("il2fb.exe", "");
  game.Write("PaintSchemes/Skins/Ar-234B-2/summer.bmp", "");
  game.Write("conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
  const ProgramRun run = RunBuiltProgram(folder, {}, game.Path() + "il2fb.exe\nquit\n");
  ASSERT_TRUE(run.ended) << "the program did not end within 60 s\n" << run.output;
  EXPECT_EQ(run.exit_status, 0) << run.output;
  const std::string& out = run.output;
  const size_t welcome = out.find(kWelcomeOnTheTerminal);
  const size_t asked = out.find(kGameDialogOnTheTerminal);
  ASSERT_NE(welcome, std::string::npos) << out;
  ASSERT_NE(asked, std::string::npos) << out;
  EXPECT_LT(welcome, asked);
  // The game was found in the folder typed in, so the question is not asked again.
  EXPECT_EQ(Occurrences(out, kGameDialogOnTheTerminal), 1u) << out;
  EXPECT_NE(out.find("> quit\nQuitting.\n"), std::string::npos) << out;
  const std::string settings = folder.Read("tavrek.ini");
  EXPECT_THAT(settings, HasSubstr("\r\n" + game.Path() + "\r\n"));
  EXPECT_THAT(settings, HasSubstr("\r\nGameID=1946\r\n"));
  EXPECT_EQ(game.Read("tavrek.ini"), settings);
}

TEST(Program, TheBuiltProgramAsksForTheGameTwiceAtMostAndGoesOnWithoutIt) {
  const TempFolder folder;
  InstallBuiltProgram(folder);
  InstallReferenceFixture(folder);
  const TempFolder not_a_game;
  not_a_game.Write("readme.txt", "");
  // The first answer names a folder without the game (nor its event log); the second cancels.
  const ProgramRun run = RunBuiltProgram(folder, {}, not_a_game.Path() + "readme.txt\n\nquit\n");
  ASSERT_TRUE(run.ended) << "the program did not end within 60 s\n" << run.output;
  EXPECT_EQ(run.exit_status, 0) << run.output;
  EXPECT_EQ(Occurrences(run.output, kWelcomeOnTheTerminal), 1u) << run.output;
  EXPECT_EQ(Occurrences(run.output, kGameDialogOnTheTerminal), 2u) << run.output;
  EXPECT_THAT(run.output, HasSubstr("please activate the IL-2 Event Log file."));
  EXPECT_NE(run.output.find("> quit\nQuitting.\n"), std::string::npos) << run.output;
  EXPECT_THAT(folder.Read("tavrekerror.txt"), HasSubstr("] Game version checked [IL2].\r\n"));
  EXPECT_THAT(folder.Read("tavrekerror.txt"), HasSubstr("] Form Create Complete\r\n"));
}
#endif

}  // namespace

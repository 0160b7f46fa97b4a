#include "campaign_data/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/first_run.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr unsigned kCtrlShift = HotKeys::kModControl | HotKeys::kModShift;
constexpr unsigned kKeyG = 71;

// The first 69 lines of the settings file that start-up writes, up to ServerActive, with the
// campaign folder given; the rest of the file is left out.
std::vector<std::string> SettingsUpToServerActive(TestWorld& world, const std::string& campaign) {
  InstallProgram(world);
  TMainForm& form = *world.form;
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(form);
  form.CampaignFolder = campaign;
  WriteIni(form);
  std::vector<std::string> lines = ReadTextLines(ProgramFile(world, "tavrek.ini"));
  lines.resize(69);
  return lines;
}

TEST(StartUp, AnInteractiveStartLogsItsStepsInOrder) {
  TestWorld world;
  InstallProgram(world);
  // Without a game folder the user is asked for the game; both questions cancelled, the
  // edition check settles on the first edition.
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(*world.form);
  const std::string stamp = "[2026/12/08 19:37:05.42] ";
  std::string expected;
  for (const std::string& message :
       {"Parameter String0 = " + ProgramFile(world, "tavrek"), std::string("Tavrek.ini processed."),
        std::string("Loaded messages processed."), std::string("Game version checked [IL2]."),
        std::string("Game version includes IL2AEP [False]."),
        std::string("Game version successfully set up."), std::string("Mission Button Enabled."),
        std::string("Player Name Checked."), std::string("Universal Paints Initialized."),
        std::string("Description Determined."), std::string("No Campaign selected."),
        std::string("Form Create Complete")}) {
    expected += stamp + message + "\r\n";
  }
  EXPECT_EQ(world.program_folder.Read("tavrekerror.txt"), expected + "\r\n");
  EXPECT_TRUE(world.form->MissionButton.Enabled);
  EXPECT_EQ(world.form->DayStep, 1);
  EXPECT_EQ(world.form->CampaignDataFolder, world.program_folder.Path() + "Data\\");
  EXPECT_FALSE(world.form->Application.Terminated());
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST(StartUp, ACommandLineStartHandsOverToTheBatchDriver) {
  TestWorld world;
  InstallProgram(world, {"xyz", "second"});
  CreateWindowAsTheProgramDoes(*world.form);
  // The verdict generates a mission: the pipeline starts (and, without a campaign, fails).
  std::vector<std::string> log = RunLogMessages(*world.form);
  ASSERT_GE(log.size(), 11u);
  log.resize(11);
  EXPECT_THAT(log,
              ElementsAre("Parameter String0 = " + ProgramFile(world, "tavrek"),
                          "Parameter String1 = xyz", "Parameter String2 = second",
                          "Tavrek.ini processed.", "Loaded messages processed.",
                          "Game version checked [IL2].", "Game version includes IL2AEP [False].",
                          "Game version successfully set up.", "Begin Parameter Check",
                          "Parameters processed.", "Before the passes: GrandCampaign."));
  EXPECT_TRUE(world.form->Application.Terminated());
}

// Temporaries that a killed save left behind go at the next start, in every folder the program
// writes to; one of a process still running (another copy saving) stays.
TEST(StartUp, TemporariesOfInterruptedSavesAreRemoved) {
  TestWorld world;
  InstallProgram(world, {"xyz"});
  TempFolder campaign;
  std::vector<std::string> settings =
      ReadTextLines(FixturesFolder() + "settings/tavrek_defaults.ini");
  settings[0] = world.program_folder.Path();
  settings[1] = campaign.Path();
  WriteSettingsFile(world, settings);
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const std::string ended = std::to_string(child);
  world.program_folder.Write("tavrek.ini.tmp" + ended + "_0", "half");
  world.program_folder.Write("data/class.tavrek.tmp" + ended + "_1", "half");
  campaign.Write("squadrons.tavrek.tmp" + ended + "_2", "half");
  campaign.Write("columns.tavrek.tmp" + std::to_string(::getppid()) + "_0", "being written");

  // The parameter asks for a mission, which the empty campaign folder refuses; the clean-up
  // comes before that.
  EXPECT_THROW(FormCreate(*world.form), ProgramError);

  EXPECT_FALSE(FileExists(ProgramFile(world, "tavrek.ini.tmp" + ended + "_0")));
  EXPECT_FALSE(FileExists(ProgramFile(world, "data/class.tavrek.tmp" + ended + "_1")));
  EXPECT_FALSE(FileExists(campaign.Path() + "squadrons.tavrek.tmp" + ended + "_2"));
  EXPECT_TRUE(
      FileExists(campaign.Path() + "columns.tavrek.tmp" + std::to_string(::getppid()) + "_0"));
  EXPECT_THAT(RunLogMessages(*world.form),
              Contains("Removed " + campaign.Path() + "squadrons.tavrek.tmp" + ended +
                       "_2, left by a save that was interrupted."));
}

TEST(StartUp, StartingAgainLeavesNothingOfTheRunBefore) {
  TestWorld world;
  InstallProgram(world);
  TMainForm& form = *world.form;
  form.PilotRoster[RosterIndex(1000, 15)].RosterName = "Ivan Kozhedub";
  form.PilotRoster[RosterIndex(3, 2)].RosterKills = "062";
  form.LocationTable[45000].StationaryFlag = 1;
  form.LastSquadron = form.LastLocation = form.LastColumn = form.LastStationary = 7;
  form.PlayerRankIndex = 4;
  form.InitialStationary = 9;
  form.DeTrigger = "Kerch";
  form.RuSunkCount = 3;
  form.DeployDistance = {1, 2};
  form.TaskForceSpeed = {1, 2, 3};
  form.CampaignNews = form.FrontNewsRu = form.PlayerLogText = "old news";
  form.DeOilBox.Text = "Low";
  form.RadioBox.Text = "No Squadrons";
  form.Debrief.Caption = "old arguments";
  ExpectGameNotChosen(*world.dialogs);
  StartupExecute(form);
  EXPECT_EQ(form.PilotRoster[RosterIndex(1000, 15)].RosterName, "");
  EXPECT_EQ(form.PilotRoster[RosterIndex(3, 2)].RosterKills, "");
  EXPECT_EQ(form.LocationTable[45000].StationaryFlag, 0);
  EXPECT_EQ(form.LastSquadron, -1);
  EXPECT_EQ(form.LastLocation, -1);
  EXPECT_EQ(form.LastColumn, -1);
  EXPECT_EQ(form.LastStationary, -1);
  EXPECT_EQ(form.PlayerRankIndex, -1);
  EXPECT_EQ(form.InitialStationary, -1);
  EXPECT_EQ(form.DeTrigger, "None");
  EXPECT_EQ(form.RuSunkCount, 100);
  EXPECT_EQ(form.DeployDistance, (std::array<int, 2>{1750, 1750}));
  EXPECT_EQ(form.TaskForceSpeed, (std::array<int, 3>{16, 16, 16}));
  EXPECT_EQ(form.CampaignNews, "");
  EXPECT_EQ(form.FrontNewsRu, "");
  EXPECT_EQ(form.PlayerLogText, "");
  EXPECT_EQ(form.DeOilBox.Text, "Default");
  EXPECT_EQ(form.RadioBox.Text, "Campaign Default");
  EXPECT_EQ(form.Debrief.Caption, "");
  EXPECT_EQ(form.ProgramFolder, world.program_folder.Path());
}

TEST(StartUp, TheGeneratorIsSeededFromTheClockOrTheFixedSeed) {
  TestWorld world;
  InstallProgram(world);
  world.platform->FixedRandomSeed = 777;
  ExpectGameNotChosen(*world.dialogs);
  StartupExecute(*world.form);
  EXPECT_EQ(world.form->Rand.Seed(), 777u);
  world.platform->FixedRandomSeed.reset();
  world.clock->utc_ms_of_day = 45296789;
  ExpectGameNotChosen(*world.dialogs);
  StartupExecute(*world.form);
  EXPECT_EQ(world.form->Rand.Seed(), 45296789u);
}

TEST(StartUp, WindowCreationRegistersCtrlShiftGAndArmsTheTimer) {
  TestWorld world;
  InstallProgram(world);
  TMainForm& form = *world.form;
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(form);
  EXPECT_EQ(form.HotKeyId, world.platform->HotKeyService().GlobalAddAtom("Hotkey1"));
  EXPECT_TRUE(form.TimeOutTimer.IsEnabled());
  EXPECT_EQ(form.TimeOutTimer.Interval(), 60000);
  EXPECT_FALSE(world.platform->HotKeyService().Press(HotKeys::kModControl, kKeyG));

  // The hot key runs the pipeline as it stands: no campaign check, no fresh run log. Without
  // a campaign its first pass stops at the campaign file, and the error reaches the window.
  std::vector<std::string> errors;
  world.platform->Loop().SetExceptionHandler(
      [&errors](const std::exception& error) { errors.push_back(error.what()); });
  form.ErrorWarning = "The campaign has ended.";
  form.DayStep = 2;
  const std::string log_before = form.ErrorText;
  ASSERT_TRUE(world.platform->HotKeyService().Press(kCtrlShift, kKeyG));
  world.platform->Loop().RunOnce(std::chrono::milliseconds(0));
  world.platform->Loop().SetExceptionHandler({});
  EXPECT_THAT(errors, ElementsAre("No campaign.tavrek file found.\r\n"));
  EXPECT_THAT(RunLogMessages(form), Contains("Pass 1: CampPathChk."));
  EXPECT_EQ(form.ErrorWarning, "The campaign has ended.");
  EXPECT_EQ(form.DayStep, 2);
  EXPECT_EQ(form.ErrorText.substr(0, log_before.size()), log_before);
}

struct TimerCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<TMenuItem MainWindowControls::*> checked;
  bool ends;
};

void PrintTo(const TimerCase& c, std::ostream* os) {
  *os << c.name;
}

class TimerTickTest : public ::testing::TestWithParam<TimerCase> {};

TEST_P(TimerTickTest, EndsOnlyAHiddenRunInAGeneratorReplacementMode) {
  const TimerCase& c = GetParam();
  TestWorld world;
  InstallProgram(world, c.arguments);
  TMainForm& form = *world.form;
  for (auto item : c.checked) (form.*item).Checked = true;
  TimeOutTimerTimer(form);
  if (c.ends) {
    EXPECT_THAT(RunLogMessages(form), ElementsAre("Terminate Program.", "Check for Termination."));
  } else {
    EXPECT_THAT(RunLogMessages(form), ElementsAre("Check for Termination."));
  }
  EXPECT_EQ(form.Application.Terminated(), c.ends);
  EXPECT_EQ(form.Closed, c.ends);
}

using C = MainWindowControls;
INSTANTIATE_TEST_SUITE_P(
    Ticks, TimerTickTest,
    ::testing::Values(
        TimerCase{"Interactive", {}, {&C::Coop, &C::NGenBoot}, false},
        TimerCase{"HiddenCoopWithReplacedGenerator", {"x"}, {&C::Coop, &C::NGenBoot}, true},
        TimerCase{
            "HiddenCareerWithReplacedGenerator", {"x"}, {&C::AutoGeneration, &C::DGENBoot}, true},
        TimerCase{
            "HiddenCoopWithTheCareerGeneratorReplaced", {"x"}, {&C::Coop, &C::DGENBoot}, false},
        TimerCase{"HiddenWithoutModes", {"x"}, {}, false}),
    [](const ::testing::TestParamInfo<TimerCase>& info) { return std::string(info.param.name); });

TEST(StartUp, AnEditionWithoutGeneratorsHidesTheirReplacements) {
  for (const std::string edition : {"IL2", "", "AEP"}) {
    TestWorld world;
    std::vector<std::string> lines = SettingsUpToServerActive(world, "");
    lines[49] = "GameID=" + edition;
    WriteSettingsFile(world, lines);
    InstallProgram(world);
    ExpectGameNotChosen(*world.dialogs);
    FormCreate(*world.form);
    const bool has_generators = edition == "AEP";
    EXPECT_EQ(world.form->DGENBoot.Visible, has_generators) << edition;
    EXPECT_EQ(world.form->NGenBoot.Visible, has_generators) << edition;
    EXPECT_FALSE(world.form->DGENBoot.Checked);
    EXPECT_FALSE(world.form->NGenBoot.Checked);
  }
}

// The server is found in the game folder, and only with the dogfight mode on; the settings
// file's own ServerActive line does not count.
TEST(StartUp, AnActiveGameServerForcesTheDogfightMode) {
  TestWorld world;
  const std::string server = world.program_folder.Write("Server/il2server.exe", "");
  std::vector<std::string> lines = SettingsUpToServerActive(world, "");
  lines[2] = ExtractFilePath(server);
  lines[17] = "Dogfight=True";
  lines[18] = "Coop=True";
  lines[20] = "AutoGeneration=True";
  WriteSettingsFile(world, lines);
  InstallProgram(world);
  FormCreate(*world.form);
  EXPECT_EQ(world.form->ServerActive, "True");
  EXPECT_TRUE(world.form->Dogfight.Checked);
  EXPECT_FALSE(world.form->Coop.Checked);
  EXPECT_FALSE(world.form->AutoGeneration.Checked);
  const std::vector<std::string> saved = ReadTextLines(ProgramFile(world, "tavrek.ini"));
  EXPECT_EQ(saved[17], "Dogfight=True");
  EXPECT_EQ(saved[18], "Coop=False");
  EXPECT_EQ(saved[20], "AutoGeneration=False");
  EXPECT_EQ(saved[68], "ServerActive=True");
}

TEST(StartUp, AChosenCampaignIsLoaded) {
  TestWorld world;
  const std::string campaign = world.program_folder.Path() + "Kuban/";
  WriteSettingsFile(world, SettingsUpToServerActive(world, campaign));
  InstallProgram(world);
  InstallSampleCampaignAt(world, campaign);
  TMainForm& form = *world.form;
  ExpectGameNotChosen(*world.dialogs);
  FormCreate(form);
  EXPECT_EQ(form.CampaignFolder, campaign);
  EXPECT_EQ(form.StatusBar.SimpleText, campaign);
  EXPECT_FALSE(form.SkinImage.Visible);
  EXPECT_THAT(RunLogMessages(form), Contains("Initialize Campaign."));
  EXPECT_THAT(RunLogMessages(form), Not(Contains("No Campaign selected.")));
}

TEST(StartUp, AProgramFolderWithoutTheProgramIsAskedForInAnInteractiveRunOnly) {
  {
    TestWorld world;
    InstallProgram(world);
    DeleteFile(ProgramFile(world, "tavrek"));
    const TempFolder installed;
    installed.Write("tavrek", "");
    InstallStartupData(installed);
    world.dialogs->ExpectOpenFile("Select Tavrek Program", installed.Path() + "tavrek");
    ExpectGameNotChosen(*world.dialogs);
    FormCreate(*world.form);
    EXPECT_TRUE(world.dialogs->AllAnswered());
    EXPECT_EQ(world.form->ProgramFolder, installed.Path());
    EXPECT_TRUE(FileExists(installed.Path() + "tavrek.ini"));
  }
  {
    TestWorld world;
    InstallProgram(world, {"xyz"});
    DeleteFile(ProgramFile(world, "tavrek"));
    CreateWindowAsTheProgramDoes(*world.form);
    EXPECT_THAT(world.dialogs->shown, IsEmpty());
    EXPECT_TRUE(FileExists(ProgramFile(world, "tavrek.ini")));
  }
}

}  // namespace

#include "campaign_data/batch_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/settings_lines.h"
#include "campaign_data/startup.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

// One kind of start: the arguments, settings lines that differ from the defaults, and what
// start-up must leave. A verdict or outcome decided by a service of another subsystem (career
// creation, scoring, the pipeline) is not checked here; there is no campaign, so a start that
// generates a mission ends with the pipeline's error.
struct StartCase {
  const char* name;
  std::vector<std::string> arguments;
  std::vector<std::pair<int, std::string>> settings;
  std::optional<int> day_step;
  int player_rank;
  std::optional<std::string> debrief;   // none: not checked
  std::vector<std::string> log;         // in this order among the run's lines
  std::vector<std::string> not_logged;  // parts of lines that must not appear
  std::optional<bool> failed;
  std::string campaign_folder;  // the text after the game folder; empty: not checked
  std::string made_before;      // a folder below the game folder that exists before the start
  // The settings choose the sample campaign, for a start whose service needs one loaded.
  bool on_sample_campaign = false;
};

void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.name;
}

// The lines appear in the log in this order, other lines between them allowed.
::testing::AssertionResult LoggedInOrder(const std::vector<std::string>& log,
                                         const std::vector<std::string>& expected) {
  auto at = log.begin();
  for (const std::string& line : expected) {
    at = std::find(at, log.end(), line);
    if (at == log.end()) return ::testing::AssertionFailure() << "not logged in order: " << line;
    ++at;
  }
  return ::testing::AssertionSuccess();
}

class StartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartTest, ReachesItsVerdictAndEndsTheRun) {
  const StartCase& c = GetParam();
  TestWorld world;
  const std::string game_folder = world.program_folder.Path() + "IL2/";
  // As a Windows machine's settings file holds it: the game folder's separators are back
  // slashes, so only the forward slashes of the arguments count.
  std::string game_folder_setting = game_folder;
  std::replace(game_folder_setting.begin(), game_folder_setting.end(), '/', '\\');
  ForceDirectories(game_folder + "Missions/Campaign/RU");
  if (!c.made_before.empty()) ForceDirectories(game_folder + c.made_before);
  InstallProgram(world);
  std::vector<std::string> lines = SettingsFileLines(*world.form);
  lines[2] = game_folder_setting;
  for (const auto& [number, text] : c.settings) lines[number - 1] = text;
  if (c.on_sample_campaign) {
    const std::string campaign = world.program_folder.Path() + "Okinawa45/";
    InstallSampleCampaignAt(world, campaign);
    lines[1] = campaign;
  }
  WriteSettingsFile(world, lines);

  InstallProgram(world, c.arguments);
  TMainForm& form = *world.form;
  CreateWindowAsTheProgramDoes(form);

  if (c.day_step) {
    EXPECT_EQ(form.DayStep, *c.day_step);
  }
  EXPECT_EQ(form.PlayerRankIndex, c.player_rank);
  if (c.debrief) {
    EXPECT_EQ(form.Debrief.Caption, *c.debrief);
  }
  const std::vector<std::string> log = RunLogMessages(form);
  EXPECT_TRUE(LoggedInOrder(log, c.log));
  for (const std::string& part : c.not_logged) EXPECT_THAT(log, Not(Contains(HasSubstr(part))));
  // Every start ends the process by itself: none of these waits for the timer.
  EXPECT_TRUE(form.Application.Terminated());
  EXPECT_TRUE(form.Closed);
  if (c.failed) {
    EXPECT_EQ(form.Application.Failed(), *c.failed);
  }
  if (!c.campaign_folder.empty()) {
    EXPECT_EQ(form.CampaignFolder, game_folder_setting + c.campaign_folder);
    EXPECT_EQ(form.GameCampaignFolder, form.CampaignFolder);
    EXPECT_TRUE(DirectoryExists(form.CampaignFolder));
  }
  EXPECT_TRUE(world.dialogs->shown.empty());
}

const std::string kRankMissing = "Career start without a valid rank: ";

INSTANTIATE_TEST_SUITE_P(
    Starts, StartTest,
    ::testing::Values(
        StartCase{"Unrecognised",
                  {"xyz"},
                  {},
                  1,
                  -1,
                  "xyz",
                  {"Parameter String1 = xyz", "Begin Parameter Check", "Parameters processed.",
                   "Before the passes: GrandCampaign."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"Career",
                  {"ru", "3"},
                  {},
                  std::nullopt,
                  3,
                  "ru3",
                  {"Begin Parameter Check", "Parameters processed."},
                  {"Career nation"},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"GermanCareerOnlyAsFirstArgument",
                  {"xx", "de", "3"},
                  {},
                  1,
                  -1,
                  "xxde3",
                  {"Parameters processed."},
                  {"Career nation"},
                  std::nullopt,
                  "",
                  ""},
        // The career's set-up needs a campaign, and the mission it leads to scores the game's
        // log first, which clears the debriefing text the arguments were gathered in.
        StartCase{"CareerNationFoundLaterIsCreatedForTheFirstArgument",
                  {"xx", "ru", "3"},
                  {},
                  1,
                  3,
                  std::nullopt,
                  {"Career nation \"ru\" is parameter 2; the career is created for the nation of "
                   "parameter 1 (\"xx\").",
                   "Parameters processed.", "Before the passes: GrandCampaign."},
                  {"Fatal error"},
                  false,
                  "",
                  "",
                  true},
        StartCase{"CareerWithoutRank",
                  {"ru"},
                  {},
                  2,
                  -1,
                  "ru",
                  {kRankMissing + "nation \"ru\", parameter 2 reads \"\"."},
                  {"Parameters processed."},
                  true,
                  "",
                  ""},
        StartCase{"CareerWithARankThatIsNoNumber",
                  {"gb", "third", "xyz"},
                  {},
                  2,
                  -1,
                  "gb",
                  {kRankMissing + "nation \"gb\", parameter 2 reads \"third\"."},
                  {"Parameters processed."},
                  true,
                  "",
                  ""},
        StartCase{"DogfightServerTool",
                  {"fbd"},
                  {},
                  1,
                  -1,
                  "fbd",
                  {"Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"OnlineCoop",
                  {"netcoop"},
                  {},
                  1,
                  -1,
                  "netcoop",
                  {"Netcoop mission begins execution.", "Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"OnlineDogfight",
                  {"netdogfight"},
                  {},
                  1,
                  -1,
                  "netdogfight",
                  {"Netdogfight mission begins execution.", "Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"OnlineUpdate",
                  {"netupdate"},
                  {},
                  2,
                  -1,
                  "netupdate",
                  {"Netupdate begins execution.", "Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"ALaterArgumentOverridesTheVerdict",
                  {"fbd", "netupdate"},
                  {},
                  2,
                  -1,
                  "fbdnetupdate",
                  {"Netupdate begins execution.", "Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"Debriefing",
                  {"debri", "Missions/Campaign/RU/Tavrek"},
                  {},
                  0,
                  -1,
                  "debriMissions/Campaign/RU/Tavrek",
                  {"Parameters processed."},
                  {"Nothing left to do; the program ends."},
                  std::nullopt,
                  "Missions\\Campaign\\RU\\Tavrek",
                  ""},
        StartCase{"DebriefingTurnsSixForwardSlashesOnly",
                  {"debri", "Missions/Campaign/RU/Tavrek/Ivanov/1943/July/Kuban"},
                  {},
                  0,
                  -1,
                  "debriMissions/Campaign/RU/Tavrek/Ivanov/1943/July/Kuban",
                  {"Parameters processed."},
                  {},
                  std::nullopt,
                  "Missions\\Campaign\\RU\\Tavrek\\Ivanov\\1943\\July/Kuban",
                  "Missions/Campaign/RU/Tavrek/Ivanov/1943/July"},
        StartCase{"DebriefingRunsTheLaterTestsToo",
                  {"xdebri", "Missions/Campaign/RU/Tavrek", "netcoop"},
                  {},
                  1,
                  -1,
                  "xdebriMissions/Campaign/RU/Tavreknetcoop",
                  {"Netcoop mission begins execution.", "Parameters processed."},
                  {},
                  std::nullopt,
                  "Missions\\Campaign\\RU\\Tavrek",
                  ""},
        StartCase{"CampaignEnd",
                  {"ended", "Missions/Campaign/RU/Tavrek/status.dat"},
                  {},
                  0,
                  -1,
                  "endedMissions/Campaign/RU/Tavrek/status.dat",
                  {"Parameters processed."},
                  {},
                  std::nullopt,
                  "Missions\\Campaign\\RU\\Tavrek\\",
                  ""},
        // Recognised as the co-op generator's start; a path that is no folder below the game
        // folder then stops the run.
        StartCase{"CoopGenerator",
                  {"C:/IL2/Missions/Net/NGen/Tavrek/conf.dat"},
                  {},
                  1,
                  -1,
                  "",
                  {"Processing NGen Campaign.",
                   "The co-op campaign path \"C:/IL2/Missions/Net/NGen/Tavrek/conf.dat\" names "
                   "no folder below the game folder."},
                  {"Parameters processed."},
                  true,
                  "",
                  ""},
        StartCase{"ForeignCoopCampaignEndsAtOnce",
                  {"C:/IL2/missions/net/ngen/Other/conf.dat"},
                  {},
                  0,
                  -1,
                  "C:/IL2/missions/net/ngen/Other/conf.dat",
                  {"Aborted! Processing a non-Tavrek NGen Campaign.", "Parameters processed.",
                   "Nothing left to do; the program ends."},
                  {},
                  false,
                  "",
                  ""},
        StartCase{"CoopPathWithBackSlashesIsNotRecognised",
                  {"C:\\IL2\\missions\\net\\ngen\\tavrek\\conf.dat"},
                  {},
                  1,
                  -1,
                  "C:\\IL2\\missions\\net\\ngen\\tavrek\\conf.dat",
                  {"Parameters processed."},
                  {"Processing NGen Campaign."},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"CareerGeneratorRankInEighthPlace",
                  {"a", "b", "c", "d", "e", "f", "g", "4"},
                  {{21, "AutoGeneration=True"}},
                  1,
                  4,
                  "abcdefg4",
                  {"Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""},
        StartCase{"CareerGeneratorWithoutRankInEighthPlace",
                  {"a", "b", "c", "d", "e", "f", "g", "x"},
                  {{21, "AutoGeneration=True"}},
                  2,
                  -1,
                  "abcdefgx",
                  {kRankMissing + "career generator start, parameter 8 reads \"x\"."},
                  {"Parameters processed."},
                  true,
                  "",
                  ""},
        StartCase{"EighthArgumentIsNoRankOutsideTheCareerMode",
                  {"a", "b", "c", "d", "e", "f", "g", "x"},
                  {},
                  1,
                  -1,
                  "abcdefgx",
                  {"Parameters processed."},
                  {},
                  std::nullopt,
                  "",
                  ""}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

}  // namespace

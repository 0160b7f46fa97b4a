// An off-line career on the shipped sample, from the game's start of a new career through the
// missions flown and scored, each start of the program a start as the game makes it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/file_tree.h"
#include "tests/support/golden_file.h"
#include "tests/support/mission_checker.h"
#include "tests/support/test_world.h"
#include "tests/whole_campaign/career_run.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The value of a line "key=value" of the settings file.
std::string Setting(const std::string& settings, const std::string& key) {
  for (const std::string& line : SplitTextLines(settings)) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

// Every file of the career folder and the game's copy of the settings against its golden.
void ExpectGoldens(const CareerRun& run, const std::string& name) {
  const std::string root = run.world.program_folder.Path();
  FileTree files = FilesBelow(run.CampaignFolder());
  files["tavrek.ini"] = ReadFileBytes(run.GameFolder() + "tavrek.ini");
  for (const auto& [path, bytes] : files) {
    std::string golden = name + "/";
    for (const char c : path) golden += c == '/' ? '_' : c;
    EXPECT_TRUE(MatchesGolden(WithPlaceholder(bytes, root, "<PROGRAM>/"), golden));
  }
}

// The sample's war is short: within three missions the Marines, driving on from Futema, reach
// Shuri, the Japanese zone, while the Japanese reserve armour, loaded on the landing craft at
// Tomari when the campaign is made, lands at Hagushi behind them. The next start finds the Japanese
// zone lost and the grand campaign moves the career on to Kyushu, where the Allies win the war nine
// missions later. The career is flown until then (the files reviewed after the first two
// missions), and the start that finds the war won says so, leaves the campaign as it was and
// installs the final mission.
TEST(OfflineCareer, MissionsFlownUntilTheBattleEndsKeepTheInvariantsAndTheReviewedFiles) {
  constexpr int kMissionsBeforeTheEnd = 12;
  constexpr int kReviewedMissions = 2;
  CareerRun run;
  ASSERT_EQ(run.Create(19450401), 0) << run.RunLog();
  ASSERT_THAT(MissionProblems(run.InstalledMission()), IsEmpty()) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  for (int cycle = 1; cycle <= kMissionsBeforeTheEnd; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const FlightTally tally = run.Fly(ScriptedHappenings(cycle));
    ASSERT_EQ(run.Next(19450401 + cycle), 0) << run.RunLog();

    EXPECT_THAT(MissionProblems(run.InstalledMission()), IsEmpty());
    EXPECT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
    // The block just flown is the one scored, and the earlier ones in the log stay scored.
    EXPECT_THAT(run.RunLog(), HasSubstr("] Log Parsed.\r\n"));
    EXPECT_EQ(Setting(ReadFileBytes(run.world.program_folder.Path() + "tavrek.ini"), "LogFileDate"),
              run.LastFlightStamp());
    if (cycle <= kReviewedMissions) ExpectGoldens(run, "career_cycle" + std::to_string(cycle));
  }
  ASSERT_EQ(CampaignValue(ReadFileBytes(run.CampaignFolder() + "campaign.tavrek"), "Battle"),
            "Kyushu45");

  const FileTree before = FilesBelow(run.CampaignFolder());
  run.Fly(ScriptedHappenings(kMissionsBeforeTheEnd + 1));
  const FileTree flown = FilesBelow(run.CampaignFolder());
  EXPECT_EQ(run.Next(19450401), 1);
  const std::string victory =
      "The enemy has surrendered unconditionally. The war is over and the Allies are victorious!";
  EXPECT_THAT(run.RunLog(), HasSubstr("] Campaign ended: " + victory));
  // The game is given the mission that tells the player so.
  EXPECT_THAT(ChangedPaths(flown, FilesBelow(run.CampaignFolder())),
              ElementsAre("tavrekmission.mis", "tavrekmission.properties"));
  EXPECT_THAT(FinalMissionProblems(run, victory), IsEmpty());
  EXPECT_THAT(ChangedPaths(before, flown), IsEmpty());
}

// The sample's landing craft carry Japanese armour to Hagushi, where it meets the Marines and
// the Allied zone is lost: that is the war as it must go when nobody stops them. A player who
// sinks the loaded transports keeps the war going; ten missions flown so keep every invariant,
// and the files after the first and the tenth match the reviewed ones.
TEST(OfflineCareer, TenMissionsWithTheLandingsStoppedKeepTheInvariantsAndTheReviewedFiles) {
  constexpr int kMissions = 10;
  CareerRun run;
  ASSERT_EQ(run.Create(19450401), 0) << run.RunLog();
  ASSERT_THAT(MissionProblems(run.InstalledMission()), IsEmpty()) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  int transports_sunk = 0;
  for (int cycle = 1; cycle <= kMissions; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const FlightTally tally = run.Fly(LandingsStoppedHappenings(cycle));
    ASSERT_EQ(run.Next(19450401 + cycle), 0) << run.RunLog();

    transports_sunk += tally.transports_sunk;
    EXPECT_THAT(MissionProblems(run.InstalledMission()), IsEmpty());
    EXPECT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
    EXPECT_THAT(
        ReloadSaveProblems(run.world.program_folder.Path(), run.CampaignFolder(), run.GameFolder()),
        IsEmpty());
    if (cycle == 1 || cycle == kMissions)
      ExpectGoldens(run, "career10_cycle" + std::to_string(cycle));
  }
  EXPECT_GT(transports_sunk, 0);
}

// Every victory and ground kill is credited once, and the files a cycle leaves are those a
// fresh program opening the campaign and saving it again leaves (once the opening has done
// its own work: see ReloadSaveProblems).
TEST(OfflineCareer, NoKillCountedTwiceAndEveryFileReloadsToItsBytes) {
  CareerRun run;
  ASSERT_EQ(run.Create(19450401), 0) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  for (int cycle = 1; cycle <= 2; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const FlightTally tally = run.Fly(ScriptedHappenings(cycle));
    ASSERT_EQ(run.Next(19450401 + cycle), 0) << run.RunLog();
    EXPECT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
    EXPECT_THAT(
        ReloadSaveProblems(run.world.program_folder.Path(), run.CampaignFolder(), run.GameFolder()),
        IsEmpty());
  }
}

}  // namespace

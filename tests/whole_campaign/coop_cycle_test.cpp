// A co-op campaign on the shipped sample, from the host's first start of it in the game through
// ten missions flown and scored, each start of the program one the game makes in place of its
// co-op generator.

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
#include "tests/whole_campaign/coop_run.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr unsigned kSeed = 19450401;

std::string Setting(const std::string& settings, const std::string& key) {
  for (const std::string& line : SplitTextLines(settings)) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

// The co-op folder is the campaign and the game's side of it at once: the campaign's state, the
// conf.dat the game's co-op screen reads and the mission it offers are compared whole, the rest
// (the roster, paints, the dated missions ...) by their digest.
void ExpectGoldens(const CoopRun& run, const std::string& name) {
  EXPECT_TRUE(MatchesFolderGoldens(FilesBelow(run.CampaignFolder()),
                                   {"campaign.tavrek", "squadrons.tavrek", "columns.tavrek",
                                    "territory.tavrek", "conf.dat", "tavrekmission.properties"},
                                   name, run.world.program_folder.Path(), "<PROGRAM>/"));
}

// The war of the sample goes on through the ten missions because the players of each side do
// what the battle asks of them: they sink the landing craft that bring the other side's troops
// to the beaches and destroy the armour that breaks through (see EnemyThrusts).
TEST(CoopCampaign, TenMissionsFlownKeepTheInvariantsAndTheReviewedFiles) {
  CoopRun run;
  ASSERT_EQ(run.Start(kSeed), 0) << run.RunLog();
  ASSERT_THAT(MissionProblems(run.OfferedMission()), IsEmpty()) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  std::vector<std::string> offered{run.OfferedMissionPath()};
  for (int cycle = 1; cycle <= 10; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const FlightTally tally = run.Fly(ScriptedHappenings(cycle));
    ASSERT_EQ(run.Start(kSeed + static_cast<unsigned>(cycle)), 0) << run.RunLog();

    EXPECT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
    // Each start scores the mission just flown, and only that one.
    EXPECT_THAT(run.RunLog(), HasSubstr("] Log Parsed.\r\n"));
    EXPECT_EQ(Setting(ReadFileBytes(run.world.program_folder.Path() + "tavrek.ini"), "LogFileDate"),
              run.LastFlightStamp());
    // The co-op screen offers the new mission, a dated copy of the one installed.
    EXPECT_NE(run.OfferedMissionPath(), offered.back());
    offered.push_back(run.OfferedMissionPath());
    EXPECT_EQ(run.OfferedMission(), ReadFileBytes(run.CampaignFolder() + "tavrekmission.mis"));
    EXPECT_THAT(MissionProblems(run.OfferedMission()), IsEmpty());
    EXPECT_THAT(
        ReloadSaveProblems(run.world.program_folder.Path(), run.CampaignFolder(), run.GameFolder()),
        IsEmpty());
    if (cycle == 1 || cycle == 10) ExpectGoldens(run, "coop_cycle" + std::to_string(cycle));
  }
}

}  // namespace

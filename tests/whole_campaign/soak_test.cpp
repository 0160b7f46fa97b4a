// Two hundred missions flown by random scripts: every cycle keeps the invariants. The sample's
// war is decided within a few days, so the player starts a new career whenever one has ended,
// as the game lets him.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/text_file.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/mission_checker.h"
#include "tests/support/test_world.h"
#include "tests/whole_campaign/career_run.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string Setting(const std::string& path, const std::string& key) {
  for (const std::string& line : ReadTextLines(path)) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

TEST(OfflineCareerSoak, TwoHundredRandomMissionsKeepTheInvariants) {
  constexpr int kCycles = 200;
  CareerRun run;
  ASSERT_EQ(run.Create(7), 0) << run.RunLog();
  CampaignCycleCheck check(run.CampaignFolder(),
                           ReadFileBytes(SourceDataFolder() + "timetable.tavrek"));
  std::mt19937 random(20261211);
  int careers = 1;
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    check.Begin();
    const FlightTally tally = run.Fly(RandomHappenings(random));
    const int status = run.Next(static_cast<unsigned>(random()));
    if (status != 0) {
      ASSERT_THAT(run.RunLog(), HasSubstr("] Campaign ended: ")) << run.RunLog();
      ++careers;
      ASSERT_EQ(run.Create(static_cast<unsigned>(random())), 0) << run.RunLog();
      ASSERT_THAT(MissionProblems(run.InstalledMission()), IsEmpty());
      continue;
    }

    ASSERT_THAT(MissionProblems(run.InstalledMission()), IsEmpty());
    ASSERT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
    ASSERT_EQ(Setting(run.world.program_folder.Path() + "tavrek.ini", "LogFileDate"),
              run.LastFlightStamp());
  }
  EXPECT_GT(careers, 1);
}

}  // namespace

// The off-line career on copies of the sample whose end rules, timetable and grand-campaign
// file bring the battle to its end within a few missions: by its end date, by the capture of
// its trigger place, and, when the grand campaign has a next battle, by the transfer to it and
// missions flown there.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/file_tree.h"
#include "tests/support/mission_checker.h"
#include "tests/support/test_world.h"
#include "tests/whole_campaign/career_run.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr unsigned kSeed = 19450401;

// The Allied victory at Okinawa when no battle follows.
constexpr const char* kAlliedVictory =
    "The enemy has surrendered unconditionally. The war is over and the Allies are victorious!";

constexpr const char* kPlayerSquadron = "USMC_VMF_3110";

// The pilots listed under a squadron's block of pilot.tavrek, by name.
std::vector<std::string> PilotsOf(const std::string& pilot_text, const std::string& squadron) {
  std::vector<std::string> pilots;
  bool in_block = false;
  for (const std::string& line : SplitTextLines(pilot_text)) {
    if (line.rfind("[", 0) == 0) {
      in_block = line == "[" + squadron + "]";
    } else if (in_block && line.size() > 14) {
      pilots.push_back(line.substr(14, line.find(" @") - 14));
    }
  }
  return pilots;
}

// A career whose program folder holds its own end rules, timetable and grand-campaign file in
// place of the shipped ones; the campaign is created with them.
class CourseRun {
 public:
  CourseRun(const std::vector<std::string>& end_rules, const std::vector<std::string>& timetable,
            const std::vector<std::string>& grand_campaign)
      : timetable_(JoinLinesCrLf(timetable)) {
    run.world.program_folder.Write("data/endcampaign.tavrek", JoinLinesCrLf(end_rules));
    run.world.program_folder.Write("data/timetable.tavrek", timetable_);
    run.world.program_folder.Write("data/grandcampaign.tavrek", JoinLinesCrLf(grand_campaign));
  }

  std::string Campaign() const { return ReadFileBytes(run.CampaignFolder() + "campaign.tavrek"); }

  // Flies `missions` missions, each scored and followed by the next, every cycle keeping the
  // invariants and every mission passing the checker.
  void FlyCycles(int missions) {
    CampaignCycleCheck check(run.CampaignFolder(), timetable_);
    for (int mission = 1; mission <= missions; ++mission) {
      ++cycle_;
      SCOPED_TRACE("cycle " + std::to_string(cycle_) + " in " +
                   CampaignValue(Campaign(), "Battle"));
      check.Begin();
      const FlightTally tally = run.Fly(LandingsStoppedHappenings(cycle_));
      ASSERT_EQ(run.Next(kSeed + cycle_), 0) << run.RunLog();
      ASSERT_THAT(MissionProblems(run.InstalledMission()), IsEmpty());
      ASSERT_THAT(check.End(tally.victories, tally.ground_kills), IsEmpty());
      EXPECT_THAT(ReloadSaveProblems(run.world.program_folder.Path(), run.CampaignFolder(),
                                     run.GameFolder()),
                  IsEmpty());
    }
  }

  // Flies one more mission; the start after it answers its exit status.
  int FlyOnce() {
    ++cycle_;
    run.Fly(LandingsStoppedHappenings(cycle_));
    return run.Next(kSeed + cycle_);
  }

  CareerRun run;

 private:
  std::string timetable_;
  int cycle_ = 0;
};

std::vector<std::string> Shipped(const std::string& data_file) {
  return ReadTextLines(SourceDataFolder() + data_file);
}

// A grand campaign in which Okinawa is the last battle.
const std::vector<std::string> kNoNextBattle{"[Kyushu45 Red to Okinawa45]",
                                             "Campaign=GrandCampaign",
                                             "Map=Okinawa",
                                             "Front=Futema",
                                             "AxisZone=Shuri",
                                             "AlliedZone=Hagushi",
                                             "AxisPlace=Naha",
                                             "AlliedPlace=Kadena_Airfield"};

std::vector<std::string> EndRules(const std::vector<std::string>& rule, const std::string& victor) {
  std::vector<std::string> lines{"[Okinawa45]", "Campaign=GrandCampaign"};
  lines.insert(lines.end(), rule.begin(), rule.end());
  lines.push_back("Victor=" + victor);
  return lines;
}

// The start that finds the battle decided says so, fails, and leaves the career folder (the
// campaign and the game's files) as it was before the mission was flown, its log aside, but
// for the final mission it installs, whose briefing is the message; every later start finds
// the same.
void ExpectEndedAndLeftAlone(CourseRun& course, int status, const FileTree& before_flight,
                             const std::string& message) {
  for (const int start : {1, 2}) {
    SCOPED_TRACE("start " + std::to_string(start) + " after the end");
    if (start == 2) status = course.run.Next(kSeed);
    EXPECT_EQ(status, 1);
    EXPECT_THAT(course.run.RunLog(), HasSubstr("] Campaign ended: " + message));
    EXPECT_THAT(ChangedPaths(before_flight, FilesBelow(course.run.CampaignFolder())),
                ElementsAre("tavrekmission.mis", "tavrekmission.properties"));
    EXPECT_THAT(FinalMissionProblems(course.run, message), IsEmpty());
  }
}

// The end date comes on the third day, before the Marines can reach the Japanese zone at Shuri
// and decide the battle by its ground.
TEST(CampaignCourse, TheEndDateEndsTheLastBattleWithItsVictor) {
  CourseRun course(EndRules({"EndDate=03/04/1945"}, "Red"), Shipped("timetable.tavrek"),
                   kNoNextBattle);
  ASSERT_EQ(course.run.Create(kSeed), 0) << course.run.RunLog();
  EXPECT_EQ(CampaignValue(course.Campaign(), "EndDate"), "03/04/1945");

  course.FlyCycles(2);
  ASSERT_EQ(CampaignValue(course.Campaign(), "Date"), "03/04/1945");
  const FileTree before = FilesBelow(course.run.CampaignFolder());
  const int status = course.FlyOnce();
  EXPECT_THAT(course.run.RunLog(), HasSubstr("] Campaign Transfer/End Routine Called."));
  EXPECT_THAT(course.run.RunLog(), HasSubstr("] Campaign transfer option is for None."));
  ExpectEndedAndLeftAlone(course, status, before, kAlliedVictory);
}

// The timetable hands the trigger place to the Allies on the second day, before the Marines
// can reach the Japanese zone at Shuri; the start after that finds the trigger taken, long
// before the end date.
TEST(CampaignCourse, TheTimetableCaptureOfTheTriggerPlaceEndsTheBattle) {
  std::vector<std::string> timetable{"[Okinawa45]", "19450402 TCapture Allied Naha "};
  CourseRun course(EndRules({"EndLocation=Naha"}, "Red"), timetable, kNoNextBattle);
  ASSERT_EQ(course.run.Create(kSeed), 0) << course.run.RunLog();
  EXPECT_EQ(CampaignValue(course.Campaign(), "DeTrigger"), "Naha");
  EXPECT_EQ(CampaignValue(course.Campaign(), "EndDate"), "31/12/1945");

  course.FlyCycles(1);
  EXPECT_EQ(
      TerritoryOwners(ReadFileBytes(course.run.CampaignFolder() + "territory.tavrek")).at("Naha"),
      "1");
  const FileTree before = FilesBelow(course.run.CampaignFolder());
  const int status = course.FlyOnce();
  EXPECT_THAT(course.run.RunLog(), Not(HasSubstr("] Campaign Transfer/End Routine Called.")));
  ExpectEndedAndLeftAlone(course, status, before, kAlliedVictory);
}

// The shipped grand campaign goes on from Okinawa to Kyushu on the Allied victory: the end date
// brings it, and the career flies on there with its squadron and pilots.
TEST(CampaignCourse, TheGrandCampaignTransfersToItsNextBattleAndGoesOnThere) {
  CourseRun course(EndRules({"EndDate=04/04/1945"}, "Red"), Shipped("timetable.tavrek"),
                   Shipped("grandcampaign.tavrek"));
  ASSERT_EQ(course.run.Create(kSeed), 0) << course.run.RunLog();
  course.FlyCycles(3);
  const std::vector<std::string> player_pilots =
      PilotsOf(ReadFileBytes(course.run.CampaignFolder() + "pilot.tavrek"), kPlayerSquadron);
  ASSERT_FALSE(player_pilots.empty());

  course.FlyCycles(1);
  EXPECT_THAT(course.run.RunLog(), HasSubstr("] The campaign has transfered to Kyushu45."));
  const std::string campaign = course.Campaign();
  EXPECT_EQ(CampaignValue(campaign, "Battle"), "Kyushu45");
  EXPECT_EQ(CampaignValue(campaign, "Map"), "Japan1");
  // The first mission of the new battle is flown on the date its record gives.
  EXPECT_EQ(CampaignValue(campaign, "Date"), "31/10/1945");
  EXPECT_THAT(course.run.InstalledMission(), HasSubstr("MAP Japan1/load.ini"));
  EXPECT_THAT(ReadFileBytes(course.run.CampaignFolder() + "squadrons.tavrek"),
              HasSubstr("USMC_VMF_311"));
  EXPECT_EQ(
      PilotsOf(ReadFileBytes(course.run.CampaignFolder() + "pilot.tavrek"), kPlayerSquadron).size(),
      player_pilots.size());

  course.FlyCycles(2);
  EXPECT_EQ(CampaignValue(course.Campaign(), "Battle"), "Kyushu45");
  EXPECT_EQ(CampaignValue(course.Campaign(), "Date"), "02/11/1945");
}

}  // namespace

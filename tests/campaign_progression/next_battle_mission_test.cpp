// A decided battle moves the campaign on to the next battle of the grand campaign, and the
// run's pass then plans and writes the first mission of that battle on its own map.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "campaign_progression/campaign_end.h"
#include "mission_generation/mission_builder.h"
#include "mission_generation/planner.h"
#include "platform/errors.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

TEST(NextBattleMission, TakingTheKeyPlaceMovesTheCampaignOnAndItsFirstMissionFliesThere) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  form.GameCampaignFolder = campaign.world.program_folder.Path() + "career/";
  // The Allies hold the Japanese key place when the run begins.
  campaign.SetOwner("Shuri", "1");

  GrandCampaign(form);
  ASSERT_EQ(form.ErrorWarning, "") << form.ErrorText;
  EXPECT_EQ(form.BattleName, "Kyushu45");
  EXPECT_EQ(form.MapName, "Japan1");
  EXPECT_EQ(form.FrontCenterName, "Kanoya");
  EXPECT_EQ(form.CampaignEnded, "");

  // The pass of the run, in its order: the plan, then the mission file.
  GenerateWays(form);
  GenerateMission(form);
  const std::string& mission = form.MissionFileText;
  EXPECT_THAT(MissionProblems(mission), IsEmpty()) << mission;
  EXPECT_THAT(mission, HasSubstr("[MAIN]\r\n  MAP Japan1/load.ini\r\n"));
  EXPECT_THAT(mission, Not(HasSubstr("Okinawa/load.ini")));
}

}  // namespace

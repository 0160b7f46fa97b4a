// The whole mission file builder on small campaigns planned by hand: the mission text in its
// section order, loadable by the game, and what the builder leaves in the campaign.

#include "mission_generation/mission_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

std::vector<std::string> SectionNames(const std::string& text) {
  std::vector<std::string> names;
  for (const MissionSection& section : ParseMission(text).sections) names.push_back(section.name);
  return names;
}

class GenerateMissionTest : public ::testing::Test {
 protected:
  GenerateMissionTest() {
    player = campaign.AddFlyingSquadron("VMF_1", "1", "1", WaypointCampaign::kAlphaAirfield,
                                        WaypointCampaign::kBravoTown);
    bombers = campaign.AddFlyingSquadron("BS_2", "2", "1", WaypointCampaign::kAlphaAirfield,
                                         WaypointCampaign::kEchoAirfield);
    escorts = campaign.AddFlyingSquadron("FS_3", "1", "1", WaypointCampaign::kAlphaAirfield,
                                         WaypointCampaign::kEchoAirfield);
    Form().SquadronTable[escorts].SquadronEscortOf = bombers;
    Form().SquadronTable[bombers].SquadronEscortedBy = escorts;
    Form().SquadronTable[bombers].SquadronTaskCode = "1";
    enemy = campaign.AddFlyingSquadron("SENTAI_4", "1", "2", WaypointCampaign::kEchoAirfield,
                                       WaypointCampaign::kAlphaAirfield);
    Form().SquadronTable[player].SquadronAI = "AI False";
  }
  TMainForm& Form() { return campaign.form(); }

  BuilderCampaign campaign;
  int player = 0;
  int bombers = 0;
  int escorts = 0;
  int enemy = 0;
};

TEST_F(GenerateMissionTest, WritesEveryFlightInSectionOrderAndTheGameCanLoadIt) {
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  const std::vector<std::string> names = SectionNames(Form().MissionFileText);
  const std::vector<std::string> expected = {
      "MAIN",       "WING",        "VMF_10",    "VMF_10_Way",    "VMF_11",    "VMF_11_Way",
      "BS_20",      "BS_20_Way",   "BS_21",     "BS_21_Way",     "FS_30",     "FS_30_Way",
      "FS_31",      "FS_31_Way",   "SENTAI_40", "SENTAI_40_Way", "SENTAI_41", "SENTAI_41_Way",
      "Stationary", "NStationary", "Rocket",    "Buildings",     "Target",    "StaticCamera",
      "Bridge",     "House"};
  EXPECT_EQ(names, expected);
  EXPECT_THAT(Form().MissionFileText,
              HasSubstr("  player VMF_10\r\n  army 1\r\n  playerNum 0\r\n"));
}

}  // namespace

namespace {

TEST(GenerateMission, ACampaignWithoutSquadronsStillGivesALoadableMission) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  GenerateMission(form);
  ExpectLoadableMission(form);
  EXPECT_THAT(form.MissionFileText, HasSubstr("  playerNum 0\r\n[WING]\r\n[Stationary]\r\n"));
  EXPECT_THAT(form.ErrorText, HasSubstr("the mission's target is the front centre"));
  EXPECT_THAT(campaign.CampaignFile("recons.dat"), ::testing::Not(HasSubstr(":")));
}

TEST(GenerateMission, AnOfflinePlayerWithoutATargetLooksAtTheFrontCentre) {
  BuilderCampaign campaign;
  TMainForm& form = campaign.form();
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  form.SquadronTable[0].SquadronInMission = "N";
  form.SquadronTable[0].SquadronTargetLocation = -1;
  GenerateMission(form);
  ExpectLoadableMission(form);
  EXPECT_THAT(form.MissionFileText, HasSubstr("[StaticCamera]\r\n  30000 30000 1\r\n"));
  EXPECT_THAT(form.MissionFileText, ::testing::Not(HasSubstr("  player ")));
}

}  // namespace

// A campaign made in the game's career folder when the game's career generator starts the
// program with a nation code, and the battle end rules every new campaign reads.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/text.h"
#include "campaign_setup/campaign_tweaks.h"
#include "campaign_setup/career_creation.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

class CareerCreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    Form().Rand.SetSeed(77);
  }
  TMainForm& Form() { return *world.form; }

  void WriteStartFile(const std::string& code, const std::string& battle_line) {
    WriteTextFile(Form().GameFolder + "DGEN\\conf" + code + ".ini",
                  JoinLinesCrLf({"status 3 1 0", "USMC_VMF_311", "dir=Missions\\Campaign\\UM\\Hale",
                                 "game line four", "game line five", battle_line}));
  }

  TestWorld world{{"tavrek", "um", "3"}};
};

TEST_F(CareerCreationTest, BuildsTheCampaignInTheCareerFolderAndWritesItsConf) {
  WriteStartFile("UM", "Okinawa45 F4U1D");
  ChangeNation(Form());
  EXPECT_EQ(Form().ErrorWarning, "");
  EXPECT_EQ(Form().DayStep, 1);
  const std::string career = Form().GameFolder + "Missions\\Campaign\\UM\\Hale\\";
  EXPECT_EQ(Form().CampaignFolder, career);
  EXPECT_TRUE(FileExists(career + "squadrons.tavrek"));
  EXPECT_TRUE(FileExists(career + "pilot.tavrek"));
  EXPECT_EQ(
      ReadTextLines(career + "conf.dat"),
      (std::vector<std::string>{
          "status 3 1 0", "USMC_VMF_311", "dir=Missions\\Campaign\\UM\\Hale\\", "game line four",
          "game line five", "Okinawa " + Form().SquadronTable[0].SquadronClass.substr(10)}));
  EXPECT_TRUE(Contains(Form().ErrorText, "Campaign Created."));
}

struct CareerFailure {
  const char* name;
  const char* battle_line;  // nullptr: no start file
  const char* warning_part;
};

class CareerCreationFailure : public CareerCreationTest,
                              public ::testing::WithParamInterface<CareerFailure> {};

TEST_P(CareerCreationFailure, EndsWithoutAMissionAndNeverReportsSuccess) {
  if (GetParam().battle_line != nullptr) WriteStartFile("UM", GetParam().battle_line);
  ChangeNation(Form());
  EXPECT_EQ(Form().DayStep, 2);
  EXPECT_TRUE(Contains(Form().ErrorWarning, GetParam().warning_part)) << Form().ErrorWarning;
  EXPECT_FALSE(Contains(Form().ErrorText, "Campaign Created."));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CareerCreationFailure,
    ::testing::Values(CareerFailure{"NoStartFile", nullptr, "career start file"},
                      // The career generator's header test keeps letter case.
                      CareerFailure{"BattleOfOtherCase", "okinawa45 F4U1D", "No matching master"},
                      CareerFailure{"UnknownBattle", "Midway42 F4F4", "No matching master"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EndRules, TakeTheRulesOfTheBattleAndCampaignTypeOnly) {
  const std::vector<std::string> lines = {
      "[Okinawa45]",   "Campaign=GrandCampaign", "EndLocation=Shuri",     "Victor=Blue",
      "[Okinawa45]",   "Campaign=GrandCampaign", "Destroy=Yamato 50%",    "Victor=Red",
      "[Okinawa45]",   "Campaign=Single",        "EndDate=01/05/1945",    "Victor=Red",
      "[Okinawa45]",   "Campaign=GrandCampaign", "Sunk=Tramp abc%",       "Victor=Blue",
      "[Iwo]",         "Campaign=GrandCampaign", "EndLocation=Suribachi", "Victor=Red",
      "[ Okinawa45 ]", "Campaign=GrandCampaign", "EndDate=30/06/1945",    "Victor=Red"};
  const CampaignEndRules rules = ReadEndRules(lines, "Okinawa45", "GrandCampaign");
  EXPECT_EQ(rules.ru_trigger, "Shuri");
  EXPECT_EQ(rules.de_trigger, "None");
  EXPECT_EQ(rules.de_destroy_trigger, "Yamato");
  EXPECT_EQ(rules.de_destroy_count, 50);
  EXPECT_EQ(rules.ru_destroy_trigger, "None");
  EXPECT_EQ(rules.ru_sunk_trigger, "Tramp");
  EXPECT_EQ(rules.ru_sunk_count, 100);  // a percentage that is no number
  EXPECT_EQ(rules.end_date, "30/06/1945");
  EXPECT_EQ(rules.end_date_victor, "Red");
}

TEST(EndRules, ABattleWithoutRulesKeepsTheDefaults) {
  const CampaignEndRules rules = ReadEndRules(
      {"[Iwo]", "Campaign=GrandCampaign", "EndDate=01/03/1945", "Victor=Red", "[Okinawa45]"},
      "Okinawa45", "GrandCampaign");
  EXPECT_EQ(rules.end_date, "31/12/1945");
  EXPECT_EQ(rules.de_trigger, "None");
  EXPECT_EQ(rules.de_sunk_count, 100);
}

}  // namespace

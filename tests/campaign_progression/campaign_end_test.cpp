#include "campaign_progression/campaign_end.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "campaign_progression/end_rules.h"
#include "campaign_progression/final_mission.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// The sample as GrandCampaign finds it before a run, with the game's career folder known.
class EndChecksTest : public ::testing::Test {
 protected:
  EndChecksTest() { Form().GameCampaignFolder = campaign.world.program_folder.Path() + "career/"; }
  TMainForm& Form() { return campaign.Form(); }
  // A new value of the campaign record, as the file holds it.
  void SetRecord(const std::string& section, const std::string& value) {
    std::vector<std::string> lines = campaign.CampaignLines("campaign.tavrek");
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i] == section) lines[i + 1] = value;
    }
    WriteTextFile(campaign.CampaignFolder() + "campaign.tavrek", JoinLinesCrLf(lines));
  }
  // Runs the checks; an ended campaign stops the run as ErrorTrap does.
  void Check() {
    try {
      GrandCampaign(Form());
    } catch (const ProgramError&) {
    }
  }
  std::string FinalMission() const {
    return ReadFileBytes(Form().GameCampaignFolder + "tavrekmission.mis");
  }
  std::string FinalProperties() const {
    return ReadFileBytes(Form().GameCampaignFolder + "tavrekmission.properties");
  }
  const TMainForm& Form() const { return *campaign.world.form; }

  CourseCampaign campaign;
};

TEST_F(EndChecksTest, AnUndecidedBattleGoesOn) {
  Check();
  EXPECT_EQ(Form().ErrorWarning, "");
  EXPECT_TRUE(campaign.LogHolds("Checking for campaign transfer (2/2)."));
  EXPECT_FALSE(campaign.LogHolds("Checking campaign transfer options"));
  EXPECT_FALSE(FileExists(Form().GameCampaignFolder + "tavrekmission.mis"));
}

TEST_F(EndChecksTest, ASingleMapCampaignEndsOnItsEndDateWithItsFinalMission) {
  Form().SingleMapCampaign.Checked = true;
  SetRecord("[Date]", "30/06/1945");
  Check();
  const std::string message =
      "The enemy has surrendered unconditionally. The war is over and the Allies are victorious!";
  EXPECT_EQ(Form().ErrorWarning, message);
  EXPECT_EQ(Form().CampaignEnded, "Y");
  EXPECT_EQ(Form().InfoLabel.Caption, "Warning");
  EXPECT_TRUE(campaign.LogHolds("Campaign Transfer/End Routine Called."));
  EXPECT_THAT(FinalMission(), HasSubstr("[MAIN]\r\n  MAP Okinawa/load.ini\r\n  TIME 12.0\r\n"));
  EXPECT_EQ(FinalProperties(),
            "Name Dynamic Mission\r\nShort Tavrek.\r\nDescription \\n\\n" + message);
}

TEST_F(EndChecksTest, TakingTheEnemysKeyPlaceDecidesTheBattle) {
  Form().SingleMapCampaign.Checked = true;
  campaign.SetOwner("Shuri", "1");
  Check();
  EXPECT_THAT(Form().ErrorWarning, HasSubstr("Allies are victorious"));
  EXPECT_TRUE(campaign.LogHolds("Checking for campaign transfer (2/2)."));
}

TEST_F(EndChecksTest, LosingTheKeyPlaceLosesTheBattle) {
  Form().SingleMapCampaign.Checked = true;
  campaign.SetOwner("Kadena_Airfield", "2");
  Check();
  EXPECT_EQ(Form().ErrorWarning, "American forces have lost the battle. The campaign is over.");
}

TEST_F(EndChecksTest, ALostZoneBecomesTheFrontAndEndsTheBattle) {
  Form().SingleMapCampaign.Checked = true;
  campaign.SetOwner("Hagushi", "0");
  Check();
  EXPECT_EQ(Form().FrontCenterName, "Hagushi");
  EXPECT_EQ(Form().ErrorWarning, "American forces have lost the battle. The campaign is over.");
}

TEST_F(EndChecksTest, BasesDecideByKind) {
  struct Case {
    const char* name;
    std::vector<std::string> allied_bases;  // the Allied airfields and airstrips left
    bool sink_carrier;
    const char* states;
    bool ended;
  };
  const Case cases[] = {
      {"an airfield left", {"Kadena_Airfield"}, false, "(2/2)", false},
      {"only an airstrip left", {"Ie_Shima_Airstrip"}, false, "(1/2)", false},
      {"nothing left", {}, false, "(0/2)", true},
      {"an airstrip and a sunk carrier", {"Ie_Shima_Airstrip"}, true, "(0/2)", true},
      {"an airfield and a sunk carrier", {"Kadena_Airfield"}, true, "(2/2)", false},
  };
  for (const Case& c : cases) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.GameCampaignFolder = fresh.world.program_folder.Path() + "career/";
    form.SingleMapCampaign.Checked = true;
    for (int l = 0; l <= form.LastLocation; ++l) {
      LocationEntry& place = form.LocationTable[l];
      const bool base =
          Contains(place.LocationName, "Airfield") || Contains(place.LocationName, "Airstrip");
      if (!base || place.LocationArmy != "1") continue;
      bool kept = false;
      for (const std::string& name : c.allied_bases) kept = kept || name == place.LocationName;
      if (!kept) place.LocationArmy = "2";
    }
    fresh.WriteTerritory();
    // The key place is one of the bases: here only the bases decide.
    std::vector<std::string> key_places = fresh.CampaignLines("campaign.tavrek");
    for (size_t i = 0; i + 1 < key_places.size(); ++i) {
      if (key_places[i] == "[RuTrigger]") key_places[i + 1] = "None";
    }
    WriteTextFile(fresh.CampaignFolder() + "campaign.tavrek", JoinLinesCrLf(key_places));
    if (c.sink_carrier) {
      std::vector<std::string> columns = fresh.CampaignLines("columns.tavrek");
      columns[6] = "6_Chief Ships.USSEssexCV9 1 @Blank $Sunk ~X";
      WriteTextFile(fresh.CampaignFolder() + "columns.tavrek", JoinLinesCrLf(columns));
      form.LastColumn = -1;
      std::vector<std::string> record = fresh.CampaignLines("campaign.tavrek");
      for (size_t i = 0; i + 1 < record.size(); ++i) {
        if (record[i] == "[RuSunkTrigger]") record[i + 1] = "None";
      }
      WriteTextFile(fresh.CampaignFolder() + "campaign.tavrek", JoinLinesCrLf(record));
    }
    try {
      GrandCampaign(form);
    } catch (const ProgramError&) {
    }
    EXPECT_TRUE(fresh.LogHolds(std::string("Checking for campaign transfer ") + c.states))
        << c.name;
    EXPECT_EQ(form.ErrorWarning.empty(), !c.ended) << c.name;
  }
}

TEST_F(EndChecksTest, ARunDecidesTheBattleOnlyOnce) {
  SetRecord("[Date]", "30/06/1945");
  campaign.SetOwner("Shuri", "1");
  campaign.SetOwner("Hagushi", "2");
  Form().SingleMapCampaign.Checked = true;
  Check();
  EXPECT_EQ(Count(Form().ErrorText, "Checking campaign transfer options"), 1);
  EXPECT_EQ(Count(Form().ErrorText, "Campaign ended: "), 1);
  // Both zones are lost; the later one in the map's order is the front, and decides.
  EXPECT_EQ(Form().FrontCenterName, "Shuri");
  EXPECT_THAT(Form().ErrorWarning, HasSubstr("Allies are victorious"));
}

// Quotas of marked targets: 40 Allied fuel trucks, some destroyed.
// A run from the command line, so the end of a single-map campaign closes the window instead
// of stopping the check.
TEST(CampaignDestructionLevelCheck, AQuotaIsReachedAtItsPercentage) {
  struct Case {
    int destroyed;
    int quota;
    bool reached;
  };
  const Case cases[] = {{30, 75, true}, {29, 75, false}, {40, 100, true}, {0, 0, false}};
  for (const Case& c : cases) {
    CourseCampaign campaign({"tavrek", "netdogfight"});
    TMainForm& form = campaign.Form();
    form.GameCampaignFolder = campaign.world.program_folder.Path() + "career/";
    form.SingleMapCampaign.Checked = true;
    form.RuDestroyTrigger = "Chevrolet_fuel_US";
    form.RuDestroyCount = c.quota;
    for (int i = 0; i < 40; ++i) {
      StationaryEntry& object = form.StationaryObjectTable[i];
      object.StationaryArmy = "1";
      object.StationaryLine = std::string(i < c.destroyed ? "X " : "  ") + IntToStr(i) +
                              "_Static vehicles.stationary.Stationary$Chevrolet_fuel_US 1 "
                              "1000.00 1000.00 0.00 0.0";
    }
    // A Japanese ship whose skill digit reads like the Allied side counts for nothing.
    form.StationaryObjectTable[40].StationaryArmy = "2";
    form.StationaryObjectTable[40].StationaryLine =
        "X 40_Static ships.Ship$Chevrolet_fuel_US 2 1.00 1.00 0.00 0.0 0 1 10.0";
    form.LastStationary = 40;
    try {
      CampaignDestructionLevelCheck(form);
    } catch (const ProgramError&) {
    }
    EXPECT_EQ(form.ErrorWarning, c.reached ? "Vital American targets have been destroyed. The "
                                             "campaign is over."
                                           : "")
        << c.destroyed << " of 40 at " << c.quota << "%";
    EXPECT_EQ(campaign.LogHolds("Axis forces have destroyed the required number of "
                                "Chevrolet_fuel_US."),
              c.reached);
    EXPECT_FALSE(campaign.LogHolds("Checking campaign transfer options"));
  }
}

TEST(CampaignDestructionLevelCheck, SinkingTheMarkedShipsDecidesForTheOtherSide) {
  CourseCampaign campaign({"tavrek", "netdogfight"});
  TMainForm& form = campaign.Form();
  form.GameCampaignFolder = campaign.world.program_folder.Path() + "career/";
  form.SingleMapCampaign.Checked = true;
  form.ColumnTable[campaign.Column("16_Chief")].ColumnUnitName = "sunk";
  try {
    CampaignDestructionLevelCheck(form);
  } catch (const ProgramError&) {
  }
  EXPECT_EQ(form.ErrorWarning, "Vital Japanese targets have been destroyed. The campaign is over.");
  EXPECT_TRUE(
      campaign.LogHolds("Allied forces have destroyed the required number of IJNYamatoBB45."));
}

TEST(CampaignEnd, WritesTheFinalMissionAndItsDatedCopyForTheCareer) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  form.GameCampaignFolder = campaign.world.program_folder.Path() + "career/new/";
  form.AutoGeneration.Checked = true;
  form.SquadronTable[0].SquadronFuel = "Fuel 100";
  RandomGenerator expected = form.Rand;
  const int cloud_height = 1000 + expected.Random(500);
  CampaignEnd(form, "It is over.");
  const std::string mission =
      "[MAIN]\r\n  MAP Okinawa/load.ini\r\n  TIME 12.0\r\n  CloudType 0\r\n  CloudHeight " +
      IntToStr(cloud_height) +
      "\r\n  player USMC_VMF_31100\r\n  army 1\r\n  playerNum 0\r\n[WING]\r\n  USMC_VMF_31100\r\n"
      "[USMC_VMF_31100]\r\n  Planes 1\r\n  Skill 2\r\n  Class air.F4U1C\r\n  Fuel 100\r\n"
      "  weapons default\r\n[USMC_VMF_31100_Way]\r\n"
      "  NORMFLY 5000.00 5000.00 1000.0 300.0 \r\n  NORMFLY 10000.00 10000.00 1000.0 300.0 \r\n"
      "[Chiefs]\r\n[Stationary]\r\n[NStationary]\r\n[Target]\r\n[StaticCamera]\r\n[Bridge]\r\n"
      "[House]";
  EXPECT_EQ(ReadFileBytes(form.GameCampaignFolder + "tavrekmission.mis"), mission);
  EXPECT_EQ(ReadFileBytes(form.GameCampaignFolder + "19450406.mis"), mission);
  EXPECT_EQ(ReadFileBytes(form.GameCampaignFolder + "19450406.properties"),
            "Name Dynamic Mission\r\nShort Tavrek.\r\nDescription \\n\\nIt is over.");
  EXPECT_EQ(form.ErrorWarning, "It is over.");
  EXPECT_EQ(form.DescLabel.Caption, "It is over.");
}

TEST(CampaignEnd, WithoutAGameFolderTheEndIsStillPending) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  form.GameCampaignFolder.clear();
  CampaignEnd(form, "It is over.");
  EXPECT_EQ(form.ErrorWarning, "It is over.");
  EXPECT_TRUE(campaign.LogHolds("the final mission is not written"));
}

TEST(FinalMissionMapPath, FollowsTheMapTheMonthAndTheOptions) {
  struct Case {
    const char* map;
    int month;
    const char* load_path;
    bool palm_trees;
    bool dogfight;
    const char* path;
  };
  const Case cases[] = {
      {"Okinawa", 4, "None", false, false, "Okinawa/load.ini"},
      {"Kurland", 11, "None", false, false, "Kurland/wload.ini"},
      {"Kurland", 11, "Kurland/load.ini", false, false, "Kurland/load.ini"},
      {"Kurland", 6, "None", false, false, "Kurland/load.ini"},
      {"Stgrad", 6, "None", false, false, "Stgrad/sload.ini"},
      {"Stgrad", 12, "None", false, false, "Stgrad/load.ini"},
      {"Ardennes", 6, "None", false, false, "Ardennes/sload.ini"},
      {"Ardennes", 1, "None", false, false, "Ardennes/wload.ini"},
      {"Kurland_Online", 6, "None", false, false, "Kurland/load_online.ini"},
      {"Kurland_Online", 1, "None", false, false, "Kurland/wload_online.ini"},
      {"Balaton", 11, "None", false, false, "Balaton/load.ini"},
      {"Balaton", 12, "None", false, false, "Balaton/load_w.ini"},
      {"Net8Islands", 6, "None", false, false, "Net8Islands/load_v2.ini"},
      {"Net8Islands", 6, "None", true, false, "Net8Islands/load.ini"},
      {"Normandy", 6, "None", false, false, "Normandy/load2.ini"},
      {"Normandy", 6, "None", false, true, "Normandy/load.ini"},
      {"Torch", 6, "None", false, false, "SandsofTime/load.ini"},
      {"Marianas_Online", 6, "None", false, false, "Marianas/Online_load.ini"},
      {"Japan1", 11, "abc", false, false, "Japan1/load.ini"},
  };
  TestWorld world;
  TMainForm& form = *world.form;
  for (const Case& c : cases) {
    form.MapName = c.map;
    form.CampaignMonth = c.month;
    form.MapLoadPath = c.load_path;
    form.PalmTrees.Checked = c.palm_trees;
    form.Dogfight.Checked = c.dogfight;
    EXPECT_EQ(FinalMissionMapPath(form), c.path) << c.map << " " << c.month;
  }
}

TEST(ReadEndCampaignRules, TakesTheBattlesRulesAndKeepsTheDefaultsOfTheRest) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  campaign.WriteData("endcampaign.tavrek", JoinLinesCrLf({"[Okinawa45]",
                                                          "Campaign=GrandCampaign",
                                                          "EndLocation=Kadena_Airfield",
                                                          "Victor=Blue",
                                                          "",
                                                          "[Okinawa45]",
                                                          "Campaign=GrandCampaign",
                                                          "Destroy=Truck_Type94_fuel 50%",
                                                          "Victor=Red",
                                                          "",
                                                          "[Okinawa45]",
                                                          "Campaign=Pacific_Campaign",
                                                          "EndLocation=Naha",
                                                          "Victor=Red",
                                                          "",
                                                          "[Iwo45]",
                                                          "Campaign=GrandCampaign",
                                                          "EndDate=01/04/1945",
                                                          "Victor=Red",
                                                          "",
                                                          "[Okinawa45]",
                                                          "Campaign=GrandCampaign",
                                                          "Sunk=IJNYamatoBB45 many%",
                                                          "Victor=Red",
                                                          "",
                                                          "[Okinawa45]",
                                                          "Campaign=GrandCampaign",
                                                          "Capture=Naha",
                                                          "Victor=Red",
                                                          "",
                                                          "[Okinawa45]",
                                                          "Campaign=GrandCampaign",
                                                          "EndLocation=Itoman",
                                                          "Victor=Green"}));
  form.EndDateVictor = "Blue";
  ReadEndCampaignRules(form);
  EXPECT_EQ(form.EndDate, "31/12/1945");
  EXPECT_EQ(form.EndDateVictor, "Blue");
  EXPECT_EQ(form.RuTrigger, "Kadena_Airfield");
  EXPECT_EQ(form.DeTrigger, "None");
  EXPECT_EQ(form.DeDestroyTrigger, "Truck_Type94_fuel");
  EXPECT_EQ(form.DeDestroyCount, 50);
  EXPECT_EQ(form.RuDestroyTrigger, "None");
  EXPECT_EQ(form.RuDestroyCount, 100);
  EXPECT_EQ(form.DeSunkTrigger, "IJNYamatoBB45");
  EXPECT_EQ(form.DeSunkCount, 100);
  EXPECT_EQ(form.RuSunkTrigger, "None");
  EXPECT_TRUE(campaign.LogHolds("\"IJNYamatoBB45 many%\" holds no percentage"));
  EXPECT_TRUE(campaign.LogHolds("unknown rule of Okinawa45 passed over: Capture=Naha"));
  EXPECT_TRUE(campaign.LogHolds("without \"Victor=Red\" or \"Victor=Blue\""));
}

TEST(ReadEndCampaignRules, TheShippedRulesMatchTheSampleCampaign) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  ReadEndCampaignRules(form);
  EXPECT_EQ(form.EndDate, "30/06/1945");
  EXPECT_EQ(form.EndDateVictor, "Red");
  EXPECT_EQ(form.DeTrigger, "Shuri");
  EXPECT_EQ(form.RuTrigger, "Kadena_Airfield");
  EXPECT_EQ(form.DeDestroyTrigger, "Truck_Type94_fuel");
  EXPECT_EQ(form.RuDestroyTrigger, "Chevrolet_fuel_US");
  EXPECT_EQ(form.DeSunkTrigger, "IJNYamatoBB45");
  EXPECT_EQ(form.RuSunkTrigger, "USSEssexCV9");
  form.BattleName = "Kyushu45";
  ReadEndCampaignRules(form);
  EXPECT_EQ(form.EndDate, "31/03/1946");
  EXPECT_EQ(form.DeTrigger, "Kokubu");
  EXPECT_EQ(form.RuTrigger, "Shibushi");
  EXPECT_EQ(form.DeDestroyCount, 60);
  form.BattleName = "Iwo45";
  ReadEndCampaignRules(form);
  EXPECT_EQ(form.EndDate, "31/12/1945");
  EXPECT_EQ(form.DeTrigger, "None");
}

}  // namespace

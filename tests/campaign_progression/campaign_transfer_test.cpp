#include "campaign_progression/campaign_transfer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "campaign_progression/campaign_end.h"
#include "campaign_progression/transfer_records.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/sample_campaign.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> ShippedTable() {
  return ReadTextLines(SourceDataFolder() + "grandcampaign.tavrek");
}

TEST(TransferRecords, TheShippedTableTakesOkinawaToKyushu) {
  const auto record =
      FindTransferRecord(ShippedTable(), "Okinawa45", "Kyushu45", "Red", "GrandCampaign");
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->map, "Japan1");
  EXPECT_EQ(record->date, "31/10/1945");
  EXPECT_EQ(record->time_of_day, "Day");
  EXPECT_EQ(record->bug_out_radius, 15);
  EXPECT_EQ(record->front, "Kanoya");
  EXPECT_EQ(record->axis_zone, "Kokubu");
  EXPECT_EQ(record->allied_zone, "Shibushi");
  EXPECT_EQ(record->axis_place, "Kagoshima");
  EXPECT_EQ(record->allied_place, "Ibusuki");
  EXPECT_THAT(record->victor_places, ElementsAre("Kushira_Airfield", "Chiran_Airfield"));
  EXPECT_FALSE(
      FindTransferRecord(ShippedTable(), "Okinawa45", "Kyushu45", "Blue", "GrandCampaign"));
  EXPECT_FALSE(
      FindTransferRecord(ShippedTable(), "Okinawa45", "Kyushu45", "Red", "Pacific_Campaign"));
}

TEST(TransferRecords, OptionalLinesFallBackAndOnlyAdjoiningPlacesCount) {
  const std::vector<std::string> lines{"[Hawaii Blue to CoralSea]",
                                       "Campaign=Pacific_Campaign",
                                       "Map=CoralSea",
                                       "TimeofDay=Dusk",
                                       "BugOutRadius=far",
                                       "Front=Tulagi",
                                       "AxisZone=Rabaul",
                                       "AlliedZone=Port_Moresby",
                                       "AxisPlace=Lae",
                                       "AlliedPlace=Milne_Bay",
                                       "Locale=Buna",
                                       "Locale=Gona",
                                       "Note=none",
                                       "Locale=Kokoda"};
  const auto record = FindTransferRecord(lines, "Hawaii", "CoralSea", "Blue", "Pacific_Campaign");
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->date, "");
  EXPECT_EQ(record->time_of_day, "Day");
  EXPECT_EQ(record->bug_out_radius, 10);
  EXPECT_EQ(record->front, "Tulagi");
  EXPECT_EQ(record->allied_place, "Milne_Bay");
  EXPECT_THAT(record->victor_places, ElementsAre("Buna", "Gona"));
  EXPECT_EQ(NextBattleOf("[Hawaii Blue to CoralSea ]"), "CoralSea");
  EXPECT_TRUE(HeaderFor("[Okinawa45b Red to X]", "Okinawa45", "Red"));
  EXPECT_TRUE(CampaignTypeMatches("GrandCampaign", "GrandCampaign"));
  EXPECT_FALSE(CampaignTypeMatches("Campaign=GrandCampaign ", "GrandCampaign"));
}

// The sample on the last day of its battle, the game's career folder known.
class TransferTest : public ::testing::Test {
 protected:
  TransferTest() {
    Form().GameCampaignFolder = campaign.world.program_folder.Path() + "career/";
    Form().CampaignDay = 30;
    Form().CampaignMonth = 6;
    Form().CampaignYear = 1945;
    Form().CampaignDateText = "30/06/1945";
    Form().DayStep = 1;
  }
  TMainForm& Form() { return campaign.Form(); }
  // Every file of the campaign folder with its bytes.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const std::string& name : ListDirectory(campaign.CampaignFolder(), "*")) {
      files[name] = ReadFileBytes(campaign.CampaignFolder() + name);
    }
    return files;
  }
  std::string Owner(const std::string& place) {
    return Form().LocationTable[campaign.Location(place)].LocationArmy;
  }
  void Transfer(const std::string& victor, const std::string& reason = "TimeLimit") {
    try {
      CampaignTransfer(Form(), victor, reason);
    } catch (const ProgramError&) {
      // An ended campaign stops the interactive run.
    }
  }

  CourseCampaign campaign;
};

TEST_F(TransferTest, TheVictorsRecordMovesTheCampaignToItsNextBattle) {
  const std::string squadrons = campaign.CampaignFile("squadrons.tavrek");
  Transfer("Red");
  EXPECT_EQ(Form().ErrorWarning, "");
  EXPECT_EQ(Form().MapName, "Japan1");
  EXPECT_EQ(Form().BattleName, "Kyushu45");
  EXPECT_EQ(Form().FrontCenterName, "Kanoya");
  EXPECT_EQ(Form().DeZoneText, "Kokubu");
  EXPECT_EQ(Form().RuZoneText, "Shibushi");
  EXPECT_EQ(Form().BugOutRadius, 15);
  EXPECT_EQ(Form().DayNightBox.Text, "Day");
  EXPECT_EQ(Form().FrontCenterPosition,
            Form().LocationTable[campaign.Location("Kanoya")].LocationPosition);
  // The loser holds the map but for the zones, the start places and the victor's places.
  const std::map<std::string, std::string> owners{
      {"Kanoya", "0"},     {"Kokubu", "2"},           {"Shibushi", "1"},        {"Kagoshima", "2"},
      {"Ibusuki", "1"},    {"Kushira_Airfield", "1"}, {"Chiran_Airfield", "1"}, {"Miyakonojo", "2"},
      {"Makurazaki", "2"}, {"Miyazaki_Airfield", "2"}};
  for (const auto& [place, owner] : owners) EXPECT_EQ(Owner(place), owner) << place;
  // The record moves the date on: the first mission follows it by the usual day.
  EXPECT_EQ(Form().CampaignDateText, "31/10/1945");
  EXPECT_EQ(Form().DayStep, 1);
  const std::string record = campaign.CampaignFile("campaign.tavrek");
  EXPECT_THAT(record, HasSubstr("[Battle]\r\nKyushu45\r\n"));
  EXPECT_THAT(record, HasSubstr("[Map]\r\nJapan1\r\n"));
  EXPECT_THAT(record, HasSubstr("[Date]\r\n31/10/1945\r\n"));
  EXPECT_THAT(record, HasSubstr("[Front]\r\nKanoya\r\n"));
  for (const char* kept : {"keepsquadrons.tavrek", "keeppilot.tavrek", "keeppaints.tavrek"}) {
    EXPECT_FALSE(FileExists(campaign.CampaignFolder() + kept)) << kept;
  }
  EXPECT_THAT(campaign.CampaignFile("squadrons.tavrek"), HasSubstr("[USMC_VMF_3110]"));
  EXPECT_TRUE(campaign.LogHolds("The campaign has transfered to Kyushu45."));
}

TEST_F(TransferTest, ARecordDateBeforeTheCampaignDateLetsAWeekPassUnlessStartDatesAreFixed) {
  for (const bool fixed : {false, true}) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.GameCampaignFolder = fresh.world.program_folder.Path() + "career/";
    form.CampaignDay = 30;
    form.CampaignMonth = 6;
    form.CampaignYear = 1945;
    form.CampaignDateText = "30/06/1945";
    form.FixedStartDates.Checked = fixed;
    std::vector<std::string> table = ShippedTable();
    table[3] = "Date=01/05/1945";
    fresh.WriteData("grandcampaign.tavrek", JoinLinesCrLf(table));
    CampaignTransfer(form, "Red", "TimeLimit");
    EXPECT_EQ(form.BattleName, "Kyushu45");
    EXPECT_EQ(form.CampaignDateText, fixed ? "01/05/1945" : "30/06/1945");
    EXPECT_EQ(form.DayStep, fixed ? 1 : 7);
  }
}

TEST_F(TransferTest, ALaterRecordOfTheBattleTakesThePlaceOfTheFirstOnAnEvenDraw) {
  std::vector<std::string> table = ShippedTable();
  std::vector<std::string> second = table;
  second[0] = "[Okinawa45 Red to Formosa45]";
  table.insert(table.end(), second.begin(), second.end());
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.GameCampaignFolder = fresh.world.program_folder.Path() + "career/";
    fresh.WriteData("grandcampaign.tavrek", JoinLinesCrLf(table));
    // Formosa45 has no master mission: a choice of it is logged and the campaign stays.
    DeleteFile(fresh.world.program_folder.Path() + "data/Kyushu45.mis");
    form.Rand.SetSeed(seed);
    RandomGenerator draw = form.Rand;
    const std::string expected = draw.Random(2) == 0 ? "Formosa45" : "Kyushu45";
    CampaignTransfer(form, "Red", "TimeLimit");
    EXPECT_TRUE(fresh.LogHolds("Campaign transfer option is for " + expected + "."))
        << "seed " << seed;
    EXPECT_TRUE(fresh.LogHolds("No master mission of " + expected)) << "seed " << seed;
    EXPECT_EQ(form.BattleName, "Okinawa45");
    EXPECT_EQ(form.ErrorWarning, "");
  }
}

TEST_F(TransferTest, AnAxisPlayerInHawaiiGoesToTheCoralSea) {
  Form().BattleName = "Hawaii";
  Form().CampaignType = "Pacific_Campaign";
  Form().SquadronTable[0].SquadronArmy = "2";
  campaign.WriteData(
      "grandcampaign.tavrek",
      JoinLinesCrLf({"[Hawaii Blue to NewGuinea42]", "Campaign=Pacific_Campaign", "Map=NewGuinea",
                     "Front=Lae", "AxisZone=Rabaul", "AlliedZone=Port_Moresby", "AxisPlace=Lae",
                     "AlliedPlace=Buna"}));
  Transfer("Blue");
  EXPECT_TRUE(campaign.LogHolds("Campaign transfer option is for CoralSea."));
}

TEST_F(TransferTest, AFailedStepLeavesTheCampaignAsItWas) {
  // The next battle's master mission is cut short inside its first flight.
  campaign.WriteData("Kyushu45.mis",
                     "[MAIN]\r\n  MAP Japan1/load.ini\r\n[Wing]\r\n  USN_VF_8300\r\n"
                     "[USN_VF_8300]\r\n  Planes ");
  const std::map<std::string, std::string> before = Files();
  Transfer("Red");
  EXPECT_EQ(Files(), before);
  EXPECT_TRUE(campaign.LogHolds("The transfer to Kyushu45 failed")) << Form().ErrorText;
  EXPECT_TRUE(campaign.LogHolds("The campaign stays at Okinawa45."));
  EXPECT_EQ(Form().BattleName, "Okinawa45");
  EXPECT_EQ(Form().MapName, "Okinawa");
  EXPECT_EQ(Form().ErrorWarning, "");
  EXPECT_EQ(Form().DayStep, 1);
}

TEST_F(TransferTest, AKeptFileThatCannotBeMadeStopsTheTransferBeforeAnythingIsLost) {
  std::filesystem::create_directories(campaign.CampaignFolder() + "keepsquadrons.tavrek/locked");
  const std::string squadrons = campaign.CampaignFile("squadrons.tavrek");
  Transfer("Red");
  EXPECT_EQ(campaign.CampaignFile("squadrons.tavrek"), squadrons);
  EXPECT_TRUE(campaign.LogHolds("The transfer to Kyushu45 failed: Could not copy"));
  EXPECT_EQ(Form().BattleName, "Okinawa45");
}

TEST_F(TransferTest, WithoutANextBattleTheCampaignEndsWithTheVictorsMessage) {
  struct Case {
    const char* name;
    const char* victor;
    const char* reason;
    bool single_map;
    const char* message;
  };
  const Case cases[] = {
      {"no record for the victor", "Blue", "TimeLimit", false,
       "American forces have lost the battle. The campaign is over."},
      {"a quota won by the Axis", "Blue", "Destroy", false,
       "Vital American targets have been destroyed. The campaign is over."},
      {"a single-map campaign", "Red", "TimeLimit", true,
       "The enemy has surrendered unconditionally. The war is over and the Allies are "
       "victorious!"},
  };
  for (const Case& c : cases) {
    CourseCampaign fresh;
    TMainForm& form = fresh.Form();
    form.GameCampaignFolder = fresh.world.program_folder.Path() + "career/";
    form.SingleMapCampaign.Checked = c.single_map;
    const std::string squadrons = fresh.CampaignFile("squadrons.tavrek");
    EXPECT_THROW(CampaignTransfer(form, c.victor, c.reason), ProgramError) << c.name;
    EXPECT_EQ(form.ErrorWarning, c.message) << c.name;
    EXPECT_EQ(form.MapName, "Okinawa") << c.name;
    EXPECT_THAT(ReadFileBytes(form.GameCampaignFolder + "tavrekmission.properties"),
                HasSubstr(c.message))
        << c.name;
    EXPECT_EQ(fresh.CampaignFile("squadrons.tavrek"), squadrons) << c.name;
  }
}

TEST_F(TransferTest, ARecordNamingAMapWithoutRoutesIsPassedOver) {
  std::vector<std::string> table = ShippedTable();
  table[2] = "Map=Atlantis";
  campaign.WriteData("grandcampaign.tavrek", JoinLinesCrLf(table));
  Transfer("Red");
  EXPECT_TRUE(campaign.LogHolds("names the map Atlantis for Kyushu45, which has no route files"));
  EXPECT_THAT(Form().ErrorWarning, HasSubstr("Allies are victorious"));
}

TEST_F(TransferTest, ACommandLineRunEndsWithoutWaitingAndWithoutAWeekPassing) {
  CourseCampaign hidden({"tavrek", "us", "3"});
  TMainForm& form = hidden.Form();
  form.GameCampaignFolder = hidden.world.program_folder.Path() + "career/";
  form.SingleMapCampaign.Checked = true;
  form.DayStep = 1;
  CampaignTransfer(form, "Red", "TimeLimit");
  EXPECT_THAT(form.ErrorWarning, HasSubstr("Allies are victorious"));
  EXPECT_EQ(form.DayStep, 1);
  EXPECT_TRUE(form.Closed);
  EXPECT_TRUE(hidden.world.dialogs->shown.empty());
}

}  // namespace

// Destroyed bridges, their names and marks, and the events log that keeps them down.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/bridge_codes.h"
#include "mission_results/bridges.h"
#include "mission_results/pilot_events.h"
#include "platform/errors.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/mission_results/results_test_lines.h"

namespace {

// A map of its own: a railway from Alpha to Bravo with marked points 3 and 6, and a road from
// Charlie to Delta whose marked point 5 lies beside the railway's point 3.
class BridgesTest : public ::testing::Test {
 protected:
  BridgesTest() {
    const TempFolder& folder = campaign.world.program_folder;
    folder.Write("campaign/Tavrek/data/Testland.rls",
                 "[Alpha to Bravo]\r\n"
                 "10000.00 10000.00 120.00\r\n11000.00 10000.00 120.00\r\n"
                 "12000.00 10000.00 -120.00\r\n13000.00 10000.00 120.00\r\n"
                 "14000.00 10000.00 120.00\r\n15000.00 10000.00 -120.00\r\n"
                 "16000.00 10000.00 120.00\r\n");
    folder.Write("campaign/Tavrek/data/Testland.rds",
                 "[Charlie to Delta]\r\n"
                 "20000.00 20000.00 120.00\r\n19000.00 18000.00 120.00\r\n"
                 "18000.00 16000.00 120.00\r\n not a point\r\n12100.00 10100.00 -120.00\r\n");
    form().CampaignDataFolder = campaign.campaign_folder + "data/";
    form().MapName = "Testland";
    const char* places[] = {"Alpha", "Alpha_Airfield", "Bravo", "Charlie", "Delta"};
    form().LastLocation = -1;
    for (const char* place : places) {
      form().LocationTable[++form().LastLocation].LocationName = place;
    }
  }
  TMainForm& form() { return campaign.form(); }
  ResultsCampaign campaign;
};

TEST_F(BridgesTest, ABridgeIsNamedAfterTheLocationsItsRouteJoins) {
  EXPECT_EQ(BridgeName(form(), "12010.00 10020.00"), "Alpha_Rail_Bridge");  // among the first four
  EXPECT_EQ(BridgeName(form(), "15000.00 10000.00"), "Alpha-Bravo_Rail_Bridge");
  EXPECT_EQ(BridgeName(form(), "90000.00 90000.00"), "_Bridge");
  EXPECT_EQ(BridgeName(form(), "18000.00 16000.00"), "_Bridge");  // not a marked point
  EXPECT_THROW(BridgeName(form(), "east west"), ConversionError);
}

TEST_F(BridgesTest, ADestroyedBridgeIsReportedOnceAndKeptDownInTheEventsLog) {
  form().BridgeRepairTimeBox.Text = "3 Missions";
  BridgeDestroyed(form(), "Bridge12 destroyed by USMC_VMF_311002 at 15000.00 10000.00", "Standard");
  BridgeDestroyed(form(), "Bridge12 destroyed by USMC_VMF_311003 at 15000.00 10000.00", "Standard");
  BridgeDestroyed(form(), "Bridge1 destroyed by USMC_VMF_311003 at 12000.00 10000.00", "Standard");

  EXPECT_TRUE(
      HasLineEnding(form().Debrief.Caption, "Eddie Carter destroyed the Alpha-Bravo_Rail_Bridge."));
  EXPECT_EQ(CountOf(form().Debrief.Caption, "Alpha-Bravo_Rail_Bridge"), 1);
  EXPECT_EQ(
      form().NewsText,
      "Alpha-Bravo_Rail_Bridge has been destroyed.\r\nAlpha_Rail_Bridge has been destroyed.\r\n");
  EXPECT_NE(form().Events.Caption.find(
                "Bridge12 - EVENT: 06/04/1945: has been destroyed. [15000.00 10000.00] <~3~>\r\n"),
            std::string::npos);
  EXPECT_NE(form().Events.Caption.find("Bridge1 - EVENT: 06/04/1945: has been destroyed. "
                                       "[12000.00 10000.00] <~3~>\r\n"),
            std::string::npos);
}

TEST_F(BridgesTest, ARandomRepairTimeIsOneToNineMissions) {
  form().BridgeRepairTimeBox.Text = "Random";
  for (int bridge = 0; bridge < 40; ++bridge) {
    BridgeDestroyed(form(), "Bridge" + std::to_string(bridge) + " destroyed by X at 1.00 2.00",
                    "Standard");
  }
  for (const std::string& line : SplitTextLines(form().Events.Caption)) {
    const char count = line[line.find("<~") + 2];
    EXPECT_TRUE(count >= '1' && count <= '9') << line;
  }
}

TEST_F(BridgesTest, ABridgeLineWithoutANumberOrAPositionIsNotKept) {
  for (const char* line : {"BridgeX destroyed by X at 1.00 2.00", "Bridge3 destroyed by X at",
                           "Bridge3 destroyed by X at 1.00 2.00] <~9~>"}) {
    BridgeDestroyed(form(), line, "Standard");
  }
  EXPECT_EQ(form().Events.Caption, "");
  EXPECT_NE(form().ErrorText.find("Bridge line without a bridge number or position"),
            std::string::npos);
}

TEST_F(BridgesTest, TheEndsOfARouteOverADownBridgeAreMarked) {
  campaign.world.program_folder.Write(
      "campaign/Tavrek/events.dat",
      "Bridge12 - EVENT: 06/04/1945: has been destroyed. [15000.00 10000.00] <~1~>\r\n"
      "Bridge13 - EVENT: 06/04/1945: has been destroyed. [no position] <~1~>\r\n");
  BridgeList(form());
  const int expected[] = {1, 1, 1, 0, 0};
  for (int l = 0; l <= form().LastLocation; ++l) {
    EXPECT_EQ(form().LocationTable[l].LocationBridgeState, expected[l])
        << form().LocationTable[l].LocationName;
  }
}

TEST(BridgeCodes, EveryBridgeHasACodeOfItsOwn) {
  const std::pair<long long, const char*> codes[] = {
      {5, "5"}, {64, "01"}, {70, "61"}, {100, "A1"}, {127, "+1"}, {767, "+11"}, {768, "012"}};
  for (const auto& [number, code] : codes) EXPECT_EQ(BridgeCode(number), code) << number;
  const BridgeReference reference = MapBridgeReference(
      {"[Okinawa]", "  15 24", "  5 36", "[Kursk]", "  7 12"}, "Okinawa", "None");
  EXPECT_EQ(reference.LineFor("5"), "5 36");  // not the line of bridge code 15
  EXPECT_EQ(reference.LineFor("7"), "");      // another map's
}

class EventsLogTest : public ::testing::Test {
 protected:
  TMainForm& form() { return campaign.form(); }
  void WriteEvents(const std::string& text) {
    campaign.world.program_folder.Write("campaign/Tavrek/events.dat", text);
  }
  std::string Events() { return campaign.CampaignFile("events.dat"); }
  ResultsCampaign campaign;
};

TEST_F(EventsLogTest, BridgesAreCountedDownOnceAndListedOnceForTheNextMission) {
  WriteEvents(
      "Bridge5 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~3~>\r\n"
      "Bridge100 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~1~>\r\n"
      "Bridge7 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~0~>\r\n"
      "Bridge9 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~x~>\r\n"
      "Bridge5 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~2~>\r\n"
      "Bridge15 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~1~>\r\n"
      "Bridge768 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~1~>\r\n"
      "BridgeZ - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~1~>\r\n");
  WriteEventsLog(form());
  EXPECT_EQ(Events(),
            "Bridge5 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~2~>\r\n"
            "Bridge100 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~0~>\r\n"
            "Bridge9 - EVENT: 01/04/1945: has been destroyed. [1.00 2.00] <~0~>\r\n"
            "Bridge5 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~1~>\r\n"
            "Bridge15 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~0~>\r\n"
            "Bridge768 - EVENT: 03/04/1945: has been destroyed. [1.00 2.00] <~0~>\r\n");
  EXPECT_EQ(form().DestroyedBridgeText, "  5 24\r\n  A1 48\r\n  9 24\r\n  f 10\r\n  012 10\r\n");
}

TEST_F(EventsLogTest, OffLineThePlayersSquadronKeepsItsLinesAndNewPilotsJoin) {
  campaign.Pilot(0, 4).RosterSorties = "000";
  WriteEvents(
      "Walter Carter - EVENT: 01/04/1945: Shot down a A6M5 Zero.\r\n"
      "Walter Carterson - EVENT: 01/04/1945: Shot down a A6M5 Zero.\r\n"
      "Kenji Oda - EVENT: 01/04/1945: Shot down a F4U-1C Corsair.\r\n"
      "Eddie Carter - EVENT: 01/04/1945: Killed in action.\r\n"
      "Eddie Carter - EVENT: 01/04/1945: Destroyed the Alpha_Bridge.\r\n"
      "Frank Hughes - EVENT: 01/04/1945: Bailed out.\r\n"
      "Walter Carter - EVENT: 02/04/1945: Bailed out.\r\n"
      "Walter Carter - EVENT: 02/04/1945: Bailed out.\r\n");
  form().Events.Caption = "Roy Carter - EVENT: 06/04/1945: Shot down a A6M5 Zero.\r\n";
  WriteEventsLog(form());
  EXPECT_EQ(Events(),
            "Walter Carter - EVENT: 01/04/1945: Shot down an A6M5 Zero.\r\n"
            "Walter Carter - EVENT: 02/04/1945: Bailed out.\r\n"
            "Frank Hughes - EVENT: 06/04/1945: Reported for duty with the squadron.\r\n"
            "Roy Carter - EVENT: 06/04/1945: Shot down an A6M5 Zero.\r\n");
  EXPECT_EQ(campaign.Pilot(0, 4).RosterSorties, "001");
  EXPECT_EQ(form().Events.Caption, "Roy Carter - EVENT: 06/04/1945: Shot down a A6M5 Zero.\r\n");
}

TEST_F(EventsLogTest, OnLineTheHumanPilotsOfEverySquadronKeepTheirLines) {
  form().Coop.Checked = true;
  form().Language = "French";
  campaign.Pilot(2, 1).RosterMarker = "^";
  campaign.Pilot(0, 4).RosterSorties = "000";
  WriteEvents(
      "Kenji Oda - EVENT: 01/04/1945: Shot down a F4U-1C Corsair.\r\n"
      "Tetsuo Oda - EVENT: 01/04/1945: Shot down a F4U-1C Corsair.\r\n"
      "Walter Carter - EVENT: 01/04/1945: Shot down a A6M5 Zero.\r\n");
  WriteEventsLog(form());
  EXPECT_EQ(Events(),
            "Kenji Oda - EVENT: 01/04/1945: Shot down a F4U-1C Corsair.\r\n"
            "Walter Carter - EVENT: 01/04/1945: Shot down a A6M5 Zero.\r\n");
  EXPECT_EQ(campaign.Pilot(0, 4).RosterSorties, "000");  // joined lines are the off-line career's
}

}  // namespace

// Seats: who flew which aircraft.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/event_dispatch.h"
#include "mission_results/seat_assignment.h"
#include "tests/mission_results/results_campaign.h"

namespace {

class SeatTest : public ::testing::Test {
 protected:
  TMainForm& form() { return campaign.form(); }
  ResultsCampaign campaign;
};

TEST_F(SeatTest, ThePlayerMovesIntoTheSlotOfHisAircraftAndFliesOneSortie) {
  const std::string occupant = campaign.PilotName(0, 6);
  StandardSeat(form(), "USMC_VMF_311012(0) seat occupied by Player at 50100.00 92100.00");

  EXPECT_EQ(campaign.PilotName(0, 6), "Frank Carter");
  EXPECT_EQ(campaign.Pilot(0, 6).RosterMarker, "^");
  EXPECT_EQ(campaign.PilotName(0, 0), occupant);  // the computer pilot takes his old slot
  EXPECT_EQ(campaign.Pilot(0, 6).RosterSorties, "011");
  EXPECT_EQ(campaign.Pilot(0, 6).RosterSkin, "1default.bmp");  // the skin stays with the slot

  // A second seat line for the slot moves nobody again and counts no second sortie.
  StandardSeat(form(), "USMC_VMF_311012(0) seat occupied by Player at 50100.00 92100.00");
  EXPECT_EQ(campaign.PilotName(0, 6), "Frank Carter");
  EXPECT_EQ(campaign.Pilot(0, 6).RosterSorties, "011");
}

TEST_F(SeatTest, ACoopPilotSeenFirstGetsANewRecordAndPushesAHumanOutToTheGunners) {
  form().Coop.Checked = true;
  form().TrackPlayerRanks.Checked = false;
  campaign.Pilot(2, 1).RosterMarker = "^";  // a human pilot sits in slot 1
  const std::string human = campaign.PilotName(2, 1);
  StandardSeat(form(), "IJN_S_252001(0) seat occupied by [ACE]\\u0041yako at 60000.00 60000.00");

  const PilotEntry& pilot = campaign.Pilot(2, 1);
  EXPECT_EQ(pilot.RosterName, "_ACE_Ayako");  // no section brackets reach the roster
  EXPECT_EQ(pilot.RosterMarker, "^");
  EXPECT_EQ(pilot.RosterRank, "9");  // ranks of on-line players are not tracked
  EXPECT_EQ(pilot.RosterKills, "000");
  EXPECT_EQ(pilot.RosterSorties, "001");
  ASSERT_EQ(form().LastGunner, 1);
  EXPECT_EQ(form().GunnerTable[1].GunnerName, human);
  EXPECT_EQ(form().GunnerTable[1].GunnerSquadron, "IJN_S_2520");
  EXPECT_EQ(form().GunnerTable[1].GunnerKills, "005");
}

TEST_F(SeatTest, ACoopPilotCalledPlayerIsSeatedLikeAnyOther) {
  form().Coop.Checked = true;
  DispatchEventLine(form(), 3, "USN_VT_83010(0) seat occupied by Player One at 30000.00 70000.00",
                    "Standard");
  EXPECT_EQ(campaign.PilotName(1, 4), "Player One");
  EXPECT_EQ(campaign.Pilot(1, 4).RosterMarker, "^");
}

TEST_F(SeatTest, SeatsOutsideTheRosterOrTheCampaignChangeNothing) {
  const std::string before = campaign.RosterDump();
  for (const char* line : {"USMC_VMF_311042(0) seat occupied by Player at 1.00 2.00",
                           "USMC_VMF_3110x2(0) seat occupied by Player at 1.00 2.00",
                           "XX_VMF_311012(0) seat occupied by Player at 1.00 2.00",
                           "(0) seat occupied by Player at 1.00 2.00"}) {
    StandardSeat(form(), line);
  }
  EXPECT_EQ(campaign.RosterDump(), before);
  EXPECT_NE(form().ErrorText.find("Seat line names no roster slot"), std::string::npos);
  EXPECT_NE(form().ErrorText.find("Seat line names no squadron of the campaign"),
            std::string::npos);
}

TEST_F(SeatTest, ACrewmanWhoFlewAsPilotLeavesTheRosterForTheGunnerTable) {
  form().Coop.Checked = true;
  const std::string pilot = campaign.PilotName(1, 5);
  CoopCrewSeat(form(), "USN_VT_83000(1) seat occupied by " + pilot + " at 30000.00 70000.00");

  ASSERT_EQ(form().LastGunner, 1);
  const GunnerEntry& gunner = form().GunnerTable[1];
  EXPECT_EQ(gunner.GunnerName, pilot);
  EXPECT_EQ(gunner.GunnerSeat, "00(1)");
  EXPECT_EQ(gunner.GunnerSquadron, "USN_VT_830");
  EXPECT_EQ(gunner.GunnerKills, "001");
  EXPECT_EQ(gunner.GunnerSorties, "011");  // his sorties, and one for this mission
  EXPECT_EQ(campaign.Pilot(1, 5).RosterMarker, " ");
  EXPECT_NE(form().Debrief.Caption.find(pilot + " "), std::string::npos);

  // The same seat again counts no second sortie. (The slot holds the new pilot the roster
  // operations posted there.)
  campaign.Pilot(1, 5).RosterName = "Posted Replacement";
  CoopCrewSeat(form(), "USN_VT_83000(1) seat occupied by " + pilot + " at 30000.00 70000.00");
  EXPECT_EQ(form().GunnerTable[1].GunnerSorties, "011");
  EXPECT_EQ(form().LastGunner, 1);
}

TEST_F(SeatTest, ACrewSeatTheAircraftDoesNotHaveIsIgnoredWithALogLine) {
  form().Coop.Checked = true;
  CoopCrewSeat(form(), "USN_VT_83000(255) seat occupied by Para Trooper at 1.00 2.00");
  CoopCrewSeat(form(), "USN_VT_83000(11) seat occupied by Eleventh Man at 1.00 2.00");
  EXPECT_EQ(form().LastGunner, 0);
  EXPECT_NE(form().ErrorText.find("Crew seat outside the aircraft's seats"), std::string::npos);
}

TEST_F(SeatTest, ADogfightPilotChangingToAnotherSquadronsAircraftNearByMovesWithHisRecord) {
  form().Dogfight.Checked = true;
  PilotEntry& old_slot = campaign.Pilot(2, 3);
  old_slot.RosterMarker = "^";
  old_slot.RosterKills = "007";
  const std::string name = old_slot.RosterName;
  campaign.Unit(4).TypeGameName = "Ki_84";  // the other squadron at Naha flies another type

  DogFightSeat(form(), name + ":Ki_84(0) seat occupied by " + name + " at 61000.00 61000.00");

  bool placed = false;
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& pilot = campaign.Pilot(4, slot);
    if (pilot.RosterName != name) continue;
    placed = true;
    EXPECT_EQ(pilot.RosterMarker, "^");
    EXPECT_EQ(pilot.RosterKills, "007");
    EXPECT_EQ(pilot.RosterSorties, "011");
  }
  EXPECT_TRUE(placed);
  EXPECT_NE(form().Events.Caption.find("Reported for duty with the squadron."), std::string::npos);
}

TEST_F(SeatTest, ADogfightPilotFarFromEveryBaseOfHisTypeIsNotPlaced) {
  form().Dogfight.Checked = true;
  const std::string name = "Lone Wolf";
  DogFightSeat(form(), name + ":A6M5(0) seat occupied by " + name + " at 150000.00 150000.00");
  for (int s = 0; s <= form().LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) EXPECT_NE(campaign.PilotName(s, slot), name);
  }
}

}  // namespace

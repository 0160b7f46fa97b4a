// Static objects, column vehicles, trains and ships destroyed, and the ground kills credited.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/column_kills.h"
#include "mission_results/event_dispatch.h"
#include "mission_results/ground_kills.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/mission_results/results_test_lines.h"

namespace {

class GroundResultsTest : public ::testing::Test {
 protected:
  TMainForm& form() { return campaign.form(); }
  void Score(const std::string& line, const std::string& mode = "Standard") {
    DispatchEventLine(form(), 3, line, mode);
  }
  std::string Event(const std::string& name, const std::string& text) {
    return name + " - EVENT: 06/04/1945: " + text;
  }
  int& AxisTroopsAt(int location) { return form().LocationTable[location].TerritoryStrength[2]; }
  ResultsCampaign campaign;
};

TEST_F(GroundResultsTest, AStaticObjectDestroyedGoesInactiveAndItsSideLosesTroops) {
  Score("0_Static destroyed by USMC_VMF_311002 at 60100.00 60100.00");
  EXPECT_EQ(form().StationaryObjectTable[0].StationaryLine,
            "X 0_Static vehicles.artillery.Artillery$Type88_75mm_AA 2 60100.00 60100.00 0.00 0.0");
  EXPECT_EQ(AxisTroopsAt(ResultsCampaign::kNaha), 15);
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "003");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Eddie Carter destroyed a gun position, his 3rd ground victory."));
  EXPECT_TRUE(
      HasLineEnding(form().Events.Caption,
                    Event("Eddie Carter", "Destroyed a gun position (3rd ground victory).")));

  AxisTroopsAt(ResultsCampaign::kNaha) = 7;
  Score("3_Static destroyed by USMC_VMF_311002 at 62000.00 58000.00");
  EXPECT_EQ(AxisTroopsAt(ResultsCampaign::kNaha), 0);
  EXPECT_TRUE(
      HasLineEnding(form().Debrief.Caption, "Eddie Carter sank a ship, his 4th ground victory."));
}

TEST_F(GroundResultsTest, AnObjectAlreadyDestroyedIsNotDestroyedAndCountedAgain) {
  Score("2_Static destroyed by USMC_VMF_311002 at 68100.00 62100.00");  // destroyed before
  Score("0_Static destroyed by USMC_VMF_311002 at 60100.00 60100.00");
  Score("0_Static destroyed by USMC_VMF_311003 at 60100.00 60100.00");  // reported again
  EXPECT_EQ(AxisTroopsAt(ResultsCampaign::kShuri), 25);
  EXPECT_EQ(AxisTroopsAt(ResultsCampaign::kNaha), 15);
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "003");
  EXPECT_EQ(campaign.Pilot(0, 3).RosterGroundKills, "002");
}

TEST_F(GroundResultsTest, AParkedAircraftCostsTheLastSquadronOfItsTypeAtTheFieldOneAircraft) {
  Score("1_Static destroyed by USMC_VMF_311002 at 60200.00 60200.00");
  EXPECT_EQ(campaign.Unit(4).PlanesAvailable, "5");
  EXPECT_EQ(campaign.Unit(4).PlanesFlight, "5");
  EXPECT_EQ(campaign.Unit(2).PlanesAvailable, "10");
  EXPECT_EQ(form().NewsText, "A A6M5 Zero was destroyed on the ground at Naha_Airfield.\r\n");
  EXPECT_EQ(AxisTroopsAt(ResultsCampaign::kNaha), 25);  // aircraft are no troops

  ResultsCampaign other;
  other.Unit(4).PlanesAvailable = other.Unit(4).PlanesFlight = "0";
  DispatchEventLine(other.form(), 3, "1_Static destroyed by USMC_VMF_311002 at 1.00 2.00",
                    "Standard");
  EXPECT_EQ(other.Unit(2).PlanesAvailable, "9");  // a squadron without aircraft is passed over
}

TEST_F(GroundResultsTest, ATargetOfOnesOwnSideIsReportedWhenPostedAndNotCounted) {
  Score("4_Static destroyed by USMC_VMF_311002 at 50200.00 92200.00");
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "002");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Eddie Carter destroyed a friendly stationary object!"));
  EXPECT_TRUE(HasLineEnding(form().Events.Caption,
                            Event("Eddie Carter", "Destroyed a friendly stationary object.")));
  // An unposted pilot's own-side kill leaves no line at all.
  const std::string debrief = form().Debrief.Caption;
  Score("0_Static destroyed by IJN_S_252002 at 60100.00 60100.00");
  EXPECT_EQ(form().Debrief.Caption, debrief);
  EXPECT_EQ(campaign.Pilot(2, 2).RosterGroundKills, "002");
}

TEST_F(GroundResultsTest, AnAcesDogfightActorIsCreditedByName) {
  Score("0_Static destroyed by Eddie Carter:F4U1C at 60100.00 60100.00", "AcesDogfight");
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "003");
}

TEST_F(GroundResultsTest, ACarsColumnIsDestroyedWithItsFifthVehicle) {
  for (int vehicle = 0; vehicle < 4; ++vehicle) {
    Score("0_Chief" + std::to_string(vehicle) +
          " destroyed by USMC_VMF_311002 at 68000.00 62000.00");
  }
  EXPECT_EQ(form().ColumnTable[0].ColumnPlace, "Shuri");
  EXPECT_EQ(form().ColumnTable[0].ColumnHits, 4);
  Score("0_Chief12 destroyed by USMC_VMF_311002 at 68000.00 62000.00");  // a two-digit index
  EXPECT_EQ(form().ColumnTable[0].ColumnPlace, "Blank");
  EXPECT_EQ(form().ColumnTable[0].ColumnDestination, "Blank");
  EXPECT_NE(form().NewsText.find("motor column was destroyed near Shuri"), std::string::npos);
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "007");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Eddie Carter destroyed a vehicle, his 7th ground victory."));
}

TEST_F(GroundResultsTest, AVehicleWithATwoDigitIndexBelongsToItsColumnAndItsSide) {
  Score("0_Chief12 destroyed by IJN_S_252002 at 68000.00 62000.00");
  EXPECT_EQ(form().ColumnTable[0].ColumnHits, 1);
  EXPECT_EQ(campaign.Pilot(2, 2).RosterGroundKills, "002");              // his own side's vehicle
  Score("0_Chief12 destroyed by USMC_VMF_311002 at 68000.00 62000.00");  // reported again
  EXPECT_EQ(form().ColumnTable[0].ColumnHits, 1);
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "002");
}

TEST_F(GroundResultsTest, ATrainGoesWithItsEngineAndOtherwiseOnlyCounts) {
  Score("1_Chief3 destroyed by USMC_VMF_311002 at 66500.00 60500.00");
  EXPECT_EQ(form().ColumnTable[1].ColumnPlace, "Shuri");
  Score("1_Chief0 destroyed by USMC_VMF_311002 at 66500.00 60500.00");
  EXPECT_EQ(form().ColumnTable[1].ColumnPlace, "Blank");
  EXPECT_NE(form().NewsText.find("train was destroyed near Shuri"), std::string::npos);
}

TEST_F(GroundResultsTest, AShipSunkIsTheTypeOfTheKillAndSinksForGoodOnlyWhenTheRulesSay) {
  Score("2_Chief0 destroyed by USMC_VMF_311002 at 66000.00 40000.00");
  const ColumnEntry& destroyer = form().ColumnTable[2];
  EXPECT_EQ(destroyer.ColumnPlace, "Blank");
  EXPECT_EQ(destroyer.ColumnUnitName, "Suzutsuki");
  EXPECT_NE(form().NewsText.find("ship Suzutsuki has been sunk"), std::string::npos);
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Eddie Carter sank a destroyer, his 3rd ground victory."));

  // Under "Ships Remain Sunk" the carrier goes for good and its aircraft with it.
  form().ShipSunk.Checked = true;
  campaign.Unit(0).SquadronHomeBase = "USS_Essex";
  Score("4_Chief0 destroyed by IJN_S_252002 at 30000.00 70000.00");
  const ColumnEntry& carrier = form().ColumnTable[4];
  EXPECT_EQ(carrier.ColumnUnitName, "Sunk");
  EXPECT_EQ(carrier.ColumnPlace, "Blank");
  for (const int s : {0, 1}) {
    EXPECT_EQ(campaign.Unit(s).PlanesFlight, "1");
    EXPECT_EQ(campaign.Unit(s).PlanesAvailable, "1");
    EXPECT_EQ(campaign.Unit(s).SquadronHomeBase, "Unknown");
  }
}

TEST_F(GroundResultsTest, AnArmourUnitLosesItsTanksOneByOneAndIsWipedOutWithTheLast) {
  Score("3_Chief0 destroyed by USMC_VMF_311002 at 68200.00 62200.00");
  Score("3_Chief1 destroyed by USMC_VMF_311002 at 68200.00 62200.00");
  EXPECT_EQ(form().ColumnTable[3].ColumnType, "3_Chief Armor.1-Type97_ChiHa_JA 2");
  EXPECT_EQ(form().ColumnTable[3].ColumnPlace, "Shuri");
  Score("3_Chief2 destroyed by USMC_VMF_311002 at 68200.00 62200.00");
  EXPECT_EQ(form().ColumnTable[3].ColumnType, "3_Chief Armor.3-Type97_ChiHa_JA 2");
  EXPECT_EQ(form().ColumnTable[3].ColumnPlace, "Blank");
  EXPECT_NE(form().NewsText.find("An armoured unit of Type97_ChiHa_JA tanks was wiped out near "
                                 "Shuri"),
            std::string::npos);
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Eddie Carter destroyed a tank, his 5th ground victory."));
}

struct NationalityCase {
  const char* map;
  const char* news;
};

TEST_F(GroundResultsTest, TheNewsNamesTheSidesAsTheTheatreKnowsThem) {
  const NationalityCase cases[] = {{"Okinawa", "An American convoy; A Japanese convoy"},
                                   {"Kursk", "A Russian convoy; An Axis convoy"},
                                   {"Normandy", "An Allied convoy; An Axis convoy"}};
  for (const NationalityCase& c : cases) {
    ResultsCampaign fresh;
    fresh.form().MapName = c.map;
    fresh.form().Messages.Message[static_cast<size_t>(MessageSection::kNews)][16] =
        "An Allied convoy; An Axis convoy";
    DispatchEventLine(fresh.form(), 3, "0_Chief0 destroyed by X at 68000.00 62000.00", "Standard");
    for (int vehicle = 1; vehicle < 5; ++vehicle) {
      DispatchEventLine(
          fresh.form(), 3,
          "0_Chief" + std::to_string(vehicle) + " destroyed by X at 68000.00 62000.00", "Standard");
    }
    EXPECT_EQ(fresh.form().NewsText.substr(0, std::string(c.news).size()), c.news) << c.map;
  }
}

TEST_F(GroundResultsTest, ObjectsTheCampaignDoesNotHaveAreLoggedAndStillCredited) {
  Score("77_Static destroyed by USMC_VMF_311002 at 1.00 2.00");
  Score("99_Chief1 destroyed by USMC_VMF_311002 at 1.00 2.00");
  EXPECT_EQ(campaign.Pilot(0, 2).RosterGroundKills, "004");
  EXPECT_NE(form().ErrorText.find("Static object not in the campaign"), std::string::npos);
  EXPECT_NE(form().ErrorText.find("Vehicle of no column of the campaign"), std::string::npos);
}

}  // namespace

// Aircraft lost and shot down.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/air_losses.h"
#include "mission_results/air_victories.h"
#include "mission_results/event_dispatch.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/mission_results/results_test_lines.h"

namespace {

class AirResultsTest : public ::testing::Test {
 protected:
  TMainForm& form() { return campaign.form(); }
  // Hands a prepared line to the seats-and-victories rows, as the results pass does.
  void Score(const std::string& line) { DispatchEventLine(form(), 3, line, "Standard"); }
  std::string Event(const std::string& name, const std::string& text) {
    return name + " - EVENT: 06/04/1945: " + text;
  }
  ResultsCampaign campaign;
};

TEST_F(AirResultsTest, AShotDownPilotIsReportedAndHisSquadronLosesTheAircraft) {
  const std::string pilot = campaign.PilotName(0, 6);  // flight 1, aircraft 2
  const std::string army = StandardShotDown(form(),
                                            "USMC_VMF_311012 shot down by landscape at "
                                            "1.00 2.00");
  EXPECT_EQ(army, "1");
  EXPECT_TRUE(HasLineEnding(form().Events.Caption,
                            Event(pilot, "Shot down while flying a F4U-1C Corsair.")));
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption, pilot + " was shot down."));
  EXPECT_EQ(form().NewsText, "A F4U-1C Corsair was shot down.\r\n");
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "11");
  EXPECT_EQ(campaign.Unit(0).PlanesAvailable, "11");
  EXPECT_TRUE(form().PlayerLogText.empty());
}

TEST_F(AirResultsTest, APilotWhoseEventsAreNotPostedGetsNoDebriefingLine) {
  StandardCrash(form(), "IJN_S_252033 crashed at 1.00 2.00");
  const std::string pilot = campaign.PilotName(2, 15);
  EXPECT_TRUE(
      HasLineEnding(form().Events.Caption, Event(pilot, "Crashed while flying a A6M5 Zero.")));
  EXPECT_EQ(form().Debrief.Caption, "");
  EXPECT_EQ(form().NewsText, "A A6M5 Zero crashed.\r\n");
}

TEST_F(AirResultsTest, ADowngradingSquadronKeepsItsStrengthWhenShotDownButNotWhenCrashing) {
  campaign.Unit(0).DowngradeFlag = "Y";
  StandardShotDown(form(), "USMC_VMF_311003 shot down by IJN_S_252000 at 1.00 2.00");
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "12");
  EXPECT_FALSE(form().Events.Caption.empty());
  StandardCrash(form(), "USMC_VMF_311013 crashed at 1.00 2.00");
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "11");
}

TEST_F(AirResultsTest, ASquadronWithoutAircraftPassesTheLossToOneSisterSquadron) {
  campaign.Unit(4).PlanesFlight = campaign.Unit(4).PlanesAvailable = "0";
  StandardCrash(form(), "IJN_S_253000 crashed at 1.00 2.00");
  EXPECT_EQ(campaign.Unit(4).PlanesFlight, "0");
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "9");  // one aircraft lost is one aircraft less
  EXPECT_EQ(campaign.Unit(2).PlanesAvailable, "9");
}

TEST_F(AirResultsTest, OneAircraftIsLostOnceHoweverManyLinesReportIt) {
  Score("IJN_S_252010 shot down by USMC_VMF_311001 at 1.00 2.00");
  Score("IJN_S_252010 crashed at 1.00 2.00");
  Score("IJN_S_252010 shot down by USMC_VMF_311002 at 1.00 2.00");
  DispatchEventLine(form(), 4, "IJN_S_252010 damaged by USMC_VMF_311003 at 90000.00 2.00",
                    "Standard");
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "9");
  EXPECT_EQ(CountOf(form().Events.Caption, campaign.PilotName(2, 4)), 1);
  EXPECT_EQ(campaign.Pilot(0, 1).RosterKills, "006");
  EXPECT_EQ(campaign.Pilot(0, 2).RosterKills, "001");  // the victory is credited once too
}

TEST_F(AirResultsTest, AReconnaissanceCrashLowersItsSidesReconnaissanceNotBelowNothing) {
  campaign.world.program_folder.Write(
      "campaign/Tavrek/recons.dat",
      "USN_VT_830: " + form().Messages.Text(MessageSection::kBriefs, 23) +
          "\r\nIJN_S_2520: " + form().Messages.Text(MessageSection::kBriefs, 24) + "\r\n");
  form().ReconCount = {0, 3, 4};
  StandardCrash(form(), "USN_VT_83000 crashed at 1.00 2.00");
  StandardCrash(form(), "IJN_S_252000 crashed at 1.00 2.00");
  EXPECT_EQ(form().ReconCount[1], 0);
  EXPECT_EQ(form().ReconCount[2], 3);
}

TEST_F(AirResultsTest, ADogfightLossFallsOnThePilotNamedBeforeTheColon) {
  form().Dogfight.Checked = true;
  const std::string pilot = campaign.PilotName(2, 2);
  const std::string army =
      DogFightShotDown(form(), pilot + ":Whatever shot down by X:Y at 1.00 2.00");
  EXPECT_EQ(army, "2");
  EXPECT_EQ(campaign.Unit(2).PlanesFlight, "9");
}

TEST_F(AirResultsTest, AVictoryCountsAndCarriesItsOrdinalAndTheVictimsAircraft) {
  form().LastAircraftClass = 0;
  form().AircraftClassTable[0].ClassGameName = "A6M5";
  form().AircraftClassTable[0].ClassDescription = "Mitsubishi A6M5";
  campaign.Pilot(0, 0).RosterKills = "009";
  Score("IJN_S_252000 shot down by USMC_VMF_311000 at 1.00 2.00");
  EXPECT_EQ(campaign.Pilot(0, 0).RosterKills, "010");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Frank Carter shot down a Mitsubishi A6M5, his 10th air victory."));
  EXPECT_TRUE(
      HasLineEnding(form().Events.Caption, Event("Frank Carter", "Shot down a Mitsubishi A6M5.")));
  EXPECT_EQ(form().PlayerLogText, "EVENT: Shot down a Mitsubishi A6M5.\r\n");
}

TEST_F(AirResultsTest, AFriendlyVictoryIsReportedAndNotCounted) {
  Score("USN_VT_83000 shot down by USMC_VMF_311001 at 1.00 2.00");
  EXPECT_EQ(campaign.Pilot(0, 1).RosterKills, "005");
  EXPECT_TRUE(
      HasLineEnding(form().Debrief.Caption, "Walter Carter shot down a friendly aircraft!"));
  EXPECT_TRUE(HasLineEnding(form().Events.Caption,
                            Event("Walter Carter", "Shot down a friendly aircraft.")));
}

TEST_F(AirResultsTest, AnAceFallingMakesNewsWhereHisVictorIsPosted) {
  // Slot 1 of every squadron has 5 victories, slot 2 only one.
  Score("IJN_S_252001 shot down by USMC_VMF_311002 at 1.00 2.00");
  EXPECT_EQ(CountOf(form().Debrief.Caption, "ace"), 1);
  EXPECT_NE(form().Debrief.Caption.find("Kenji Oda"), std::string::npos);
  Score("IJN_S_252002 shot down by USMC_VMF_311003 at 1.00 2.00");
  EXPECT_EQ(CountOf(form().Debrief.Caption, "ace"), 1);  // one victory is no ace

  // An unposted victor: the news tells it.
  Score("USMC_VMF_311001 shot down by IJN_S_253000 at 1.00 2.00");
  EXPECT_NE(form().NewsText.find("Walter Carter has been shot down by"), std::string::npos);
  EXPECT_NE(form().NewsText.find("Akira Ikeda."), std::string::npos);
}

TEST_F(AirResultsTest, AnUnknownVictimStillCreditsTheKiller) {
  Score("XX_99900 shot down by USMC_VMF_311003 at 1.00 2.00");
  EXPECT_EQ(campaign.Pilot(0, 3).RosterKills, "002");
  EXPECT_NE(form().ErrorText.find("names no aircraft of the campaign"), std::string::npos);
}

TEST_F(AirResultsTest, ACoopGunnerIsCreditedByHisSquadronAndSeat) {
  form().Coop.Checked = true;
  form().LastGunner = 1;
  GunnerEntry& gunner = form().GunnerTable[1];
  gunner.GunnerName = "Tail Gunner";
  gunner.GunnerSquadron = "USN_VT_830";
  gunner.GunnerSeat = "00(2)";
  gunner.GunnerKills = "";
  form().LastAircraftClass = 0;
  form().AircraftClassTable[0].ClassGameName = "A6M5";
  form().AircraftClassTable[0].ClassDescription = "Mitsubishi A6M5";
  Score("IJN_S_252000 shot down by USN_VT_83000(2) at 1.00 2.00");
  EXPECT_EQ(gunner.GunnerKills, "001");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption,
                            "Tail Gunner shot down a Mitsubishi A6M5, his 1st air victory."));
  EXPECT_EQ(campaign.Pilot(1, 0).RosterKills, "001");  // no pilot shares the crewman's victory
}

}  // namespace

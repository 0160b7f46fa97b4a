// Bail-outs, damaged aircraft, and airmen killed or captured.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "mission_results/bail_outs.h"
#include "mission_results/event_dispatch.h"
#include "mission_results/killed_captured.h"
#include "platform/file_system.h"
#include "tests/mission_results/results_campaign.h"
#include "tests/mission_results/results_test_lines.h"

namespace {

class AirmenTest : public ::testing::Test {
 protected:
  TMainForm& form() { return campaign.form(); }
  std::string Event(const std::string& name, const std::string& text) {
    return name + " - EVENT: 06/04/1945: " + text;
  }
  // The player's bomber crew in the career-generator mode, flying aircraft USMC_VMF_311000.
  void CrewTheBomber() {
    form().DGENBoot.Checked = true;
    form().PlayerAircraftId = "USMC_VMF_311000";
    CrewPositionTableType& crew = form().CrewPositionTable;
    const char* labels[] = {"Pilot",    "Co-Pilot", "Bombadier", "Radioman", "Engineer", "Gunner#1",
                            "Gunner#2", "Gunner#3", "Gunner#4",  "Gunner#5", "Gunner#6"};
    for (size_t k = 0; k < 11; ++k) {
      crew.CrewPositionName[k] = labels[k];
      crew.CrewMemberName[k] = "Crewman " + std::to_string(k);
      crew.CrewMemberMissions[k] = "007";
    }
    crew.CrewSeatLabel = {"Pilot", "Radioman", "Gunner#1", "Gunner#2"};
  }
  ResultsCampaign campaign;
};

TEST_F(AirmenTest, APostedPilotBailingOutIsReportedAndCostsNoAircraft) {
  BailOut(form(), "USMC_VMF_311002(0) bailed out at 1.00 2.00", "Standard");
  EXPECT_TRUE(HasLineEnding(form().Debrief.Caption, "Eddie Carter bailed out."));
  EXPECT_TRUE(HasLineEnding(form().Events.Caption, Event("Eddie Carter", "Bailed out.")));
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "12");
  BailOut(form(), "USMC_VMF_311000(0) bailed out at 1.00 2.00", "Standard");
  EXPECT_EQ(form().PlayerLogText, "EVENT: Bailed out.\r\n");
  // In the oldest editions' dogfights nobody's bail-out is recorded.
  const std::string before = form().Debrief.Caption;
  BailOut(form(), "Frank Carter:F4U1C(0) bailed out at 1.00 2.00", "Dogfight");
  EXPECT_EQ(form().Debrief.Caption, before);
}

TEST_F(AirmenTest, TheBomberCrewsGunnerBailingOutIsNamedAndTheRosterIsLeftAlone) {
  CrewTheBomber();
  const std::string roster = campaign.RosterDump();
  BailOut(form(), "USMC_VMF_311000(2) bailed out at 1.00 2.00", "Standard");
  EXPECT_EQ(form().Debrief.Caption, "Gunner#1 Crewman 5 bailed out.\r\n");
  EXPECT_EQ(campaign.RosterDump(), roster);
  // Paratroopers leave the aircraft through no crew seat of it.
  BailOut(form(), "USMC_VMF_311000(255) bailed out at 1.00 2.00", "Standard");
  EXPECT_EQ(form().Debrief.Caption, "Gunner#1 Crewman 5 bailed out.\r\n");
  EXPECT_NE(form().ErrorText.find("Crew seat outside the player's aircraft"), std::string::npos);
}

struct DamageCase {
  const char* name;
  const char* position;
  const char* base;
  bool written_off;
};

TEST_F(AirmenTest, ADamagedAircraftIsWrittenOffOnlyFarFromABaseOnTheMap) {
  const DamageCase cases[] = {
      {"5001 m from its base", "55001.00 92000.00", "Yontan_Airfield", true},
      {"5000 m from its base", "55000.00 92000.00", "Yontan_Airfield", false},
      {"a base off the map", "150000.00 200000.00", "Kikai_Airfield", true},
      {"a base no location has", "50000.00 92000.00", "Nowhere_Field", true},
  };
  for (const DamageCase& c : cases) {
    ResultsCampaign fresh;
    fresh.Unit(0).SquadronHomeBase = c.base;
    StandardDamaged(fresh.form(),
                    std::string("USMC_VMF_311001 damaged by IJN_S_252000 at ") + c.position);
    EXPECT_EQ(fresh.Unit(0).PlanesFlight, c.written_off ? "11" : "12") << c.name;
    EXPECT_EQ(HasLineEnding(fresh.form().NewsText,
                            "A damaged F4U-1C Corsair came down away from its base and was "
                            "written off."),
              c.written_off)
        << c.name;
  }
}

TEST_F(AirmenTest, ThePlayersAircraftWrittenOffIsACrashInHisLogBook) {
  StandardDamaged(form(), "USMC_VMF_311000 damaged by IJN_S_252000 at 70000.00 92000.00");
  EXPECT_TRUE(
      HasLineEnding(form().Events.Caption, Event("Frank Carter",
                                                 "Brought a damaged F4U-1C Corsair down away "
                                                 "from base; the aircraft was written off.")));
  EXPECT_EQ(form().PlayerLogText, "EVENT: Crashed while flying a F4U-1C Corsair.\r\n");
  // Damage without a position cannot be placed: the line is skipped.
  DispatchEventLine(form(), 4, "USMC_VMF_311001 damaged by IJN_S_252000 at", "Standard");
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "11");
}

TEST_F(AirmenTest, AnAircraftShotDownAndThenReportedDamagedIsLostOnce) {
  DispatchEventLine(form(), 3, "USMC_VMF_311001 shot down by IJN_S_252000 at 1.00 2.00",
                    "Standard");
  DispatchEventLine(form(), 4, "USMC_VMF_311001 damaged by IJN_S_252000 at 90000.00 2.00",
                    "Standard");
  EXPECT_EQ(campaign.Unit(0).PlanesFlight, "11");
  EXPECT_EQ(CountOf(form().Events.Caption, "Walter Carter"), 1);
}

TEST_F(AirmenTest, AComputerPilotOfAnotherSquadronKilledMakesNewsOnlyAsAnAce) {
  RecordMIA(form(), "IJN_S_252002(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(campaign.Pilot(2, 2).RosterMarker, "d");
  EXPECT_EQ(form().NewsText, "");
  EXPECT_EQ(form().LossText, "");
  RecordMIA(form(), "IJN_S_252001(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(campaign.Pilot(2, 1).RosterMarker, "d");
  EXPECT_NE(form().NewsText.find("Kenji Oda, credited with 5 victories, has been lost"),
            std::string::npos);
}

TEST_F(AirmenTest, APostedPilotOfThePlayersSquadronCapturedIsACasualtyAndIsArchived) {
  RecordMIA(form(), "USMC_VMF_311001(0) was captured at 1.00 2.00", "Standard");
  EXPECT_TRUE(HasLineEnding(form().LossText, "Walter Carter was taken prisoner."));
  EXPECT_TRUE(
      HasLineEnding(form().Events.Caption, Event("Walter Carter", "Taken prisoner by the enemy.")));
  EXPECT_EQ(form().NewsText, "");  // posted, so no news even for an ace
  EXPECT_EQ(campaign.Pilot(0, 1).RosterMarker, "d");
  EXPECT_EQ(form().ResultsPass.PendingWrites.size(), 1u);  // the archive entry, at the wrap-up

  // Reported again, he is lost once.
  RecordMIA(form(), "USMC_VMF_311001(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(CountOf(form().LossText, "Walter Carter"), 1);
}

TEST_F(AirmenTest, AHumanPilotIsLostOnlyUnderStatsResetOnDeath) {
  campaign.Pilot(2, 3).RosterMarker = "^";
  RecordMIA(form(), "IJN_S_252003(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(campaign.Pilot(2, 3).RosterMarker, "^");
  form().Death.Checked = true;
  RecordMIA(form(), "IJN_S_252003(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(campaign.Pilot(2, 3).RosterMarker, "d");
}

TEST_F(AirmenTest, ThePlayerLostOffLineStartsHisCareerPapersAnew) {
  form().Death.Checked = true;
  campaign.world.program_folder.Write(
      "game/Missions/Campaign/UM/Tavrek/logbook.dat",
      "DATE: 01/04/1945\r\nPLANE: F4U-1C Corsair\r\nMISSION: Okinawa45: Patrol\r\nEVENT: x\r\n"
      "FLIGHT TIME: 50 Minutes\r\nDATE: 02/04/1945\r\nPLANE: F4U-1C Corsair\r\n"
      "MISSION: Okinawa45: Escort\r\n");
  campaign.world.program_folder.Write("game/Missions/Campaign/UM/Tavrek/archive.dat", "x\r\n");
  campaign.world.program_folder.Write("campaign/Tavrek/events.dat", "x\r\n");
  form().PlayerLogText = "EVENT: Shot down a A6M5 Zero.\r\n";
  form().Events.Caption = "Someone - EVENT: 06/04/1945: Bailed out.\r\n";

  RecordMIA(form(), "USMC_VMF_311000(0) was killed at 1.00 2.00", "Standard");
  EXPECT_EQ(form().PlayerLossStatus, 1);
  EXPECT_EQ(form().PlayerLogText, "");
  EXPECT_EQ(form().Events.Caption, "");
  EXPECT_EQ(campaign.Pilot(0, 0).RosterMarker, "d");

  // Nothing is written before the wrap-up makes the writes held back.
  EXPECT_NE(campaign.GameFile("Missions/Campaign/UM/Tavrek/archive.dat"), "");
  for (const auto& write : form().ResultsPass.PendingWrites) write(form());
  // The log book keeps only its date, plane and mission lines; the career documents written
  // afterwards add to it.
  const std::string log_book = campaign.GameFile("Missions/Campaign/UM/Tavrek/logbook.dat");
  EXPECT_EQ(
      log_book.rfind("DATE: 01/04/1945\r\nPLANE: F4U-1C Corsair\r\nMISSION: Okinawa45: Patrol\r\n"
                     "DATE: 02/04/1945\r\nPLANE: F4U-1C Corsair\r\nMISSION: Okinawa45: Escort\r\n",
                     0),
      0u)
      << log_book;
  EXPECT_EQ(log_book.find("EVENT: x"), std::string::npos);
  EXPECT_EQ(log_book.find("FLIGHT TIME: 50 Minutes"), std::string::npos);
  EXPECT_FALSE(FileExists(campaign.game_folder + "Missions/Campaign/UM/Tavrek/archive.dat"));
  EXPECT_FALSE(FileExists(campaign.campaign_folder + "events.dat"));
}

TEST_F(AirmenTest, ALostBomberCrewmanIsReplacedAndParatroopersAreNoCrew) {
  CrewTheBomber();
  campaign.Pilot(0, 16).RosterName = "Drawn Name";
  RecordMIA(form(), "USMC_VMF_311000(3) was captured at 1.00 2.00", "Standard");
  const CrewPositionTableType& crew = form().CrewPositionTable;
  EXPECT_EQ(form().Debrief.Caption, "Gunner#2 Crewman 6 was taken prisoner.\r\n");
  EXPECT_EQ(crew.CrewMemberName[6], campaign.PilotName(0, 16));
  EXPECT_EQ(crew.CrewMemberMissions[6], "000");
  EXPECT_TRUE(form().ResultsPass.CrewChanged);

  RecordMIA(form(), "USMC_VMF_311000(255) was captured at 1.00 2.00", "Standard");
  EXPECT_EQ(crew.CrewMemberName[3], "Crewman 3");  // position 2, the radioman, stays
  EXPECT_EQ(crew.CrewMemberMissions[3], "007");
}

TEST_F(AirmenTest, DogfightLossesOfOtherSeatsTouchNoPilot) {
  const std::string roster = campaign.RosterDump();
  RecordMIA(form(), "Kenji Oda:A6M5(1) was killed at 1.00 2.00", "AcesDogfight");
  EXPECT_EQ(campaign.RosterDump(), roster);
  RecordMIA(form(), "Kenji Oda:A6M5(0) was killed at 1.00 2.00", "AcesDogfight");
  EXPECT_EQ(campaign.Pilot(2, 1).RosterMarker, "d");
}

}  // namespace

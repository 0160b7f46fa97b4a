// The mission file builder on the shipped Okinawa sample with a plan set by hand for a few
// squadrons, in the off-line career and in dogfight: the mission and properties texts are
// compared with reviewed golden files, and the game can load the mission.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/startup.h"
#include "campaign_data/text.h"
#include "mission_generation/join_points.h"
#include "mission_generation/mission_builder.h"
#include "mission_generation/return_leg.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/golden_file.h"
#include "tests/support/mission_checker.h"
#include "tests/support/sample_campaign.h"

namespace {

using ::testing::HasSubstr;

class SampleMissionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetOptionDefaults(Form());
    InstallSample(world);
    InitializeCampaign(Form());
    // Every pass starts the squadrons on their default loadout.
    for (int s = 0; s <= Form().LastSquadron; ++s) {
      Form().SquadronTable[s].SquadronWeapons = Form().SquadronTable[s].TypeDefaultWeapons;
    }
    Form().Rand.SetSeed(19450406);
    Form().PlayerName = "Gregory Hale";
    Form().RandomTransitAltitude = 2500;
    Form().AxisPlayerRandomAltitude = 3000;
    GiveOwnersBySide();
    PlaceStaticObjects();
    for (int s = 0; s <= Form().LastSquadron; ++s) FillRoster(s);
  }

  TMainForm& Form() { return *world.form; }

  int Location(const std::string& name) {
    for (int l = 0; l <= Form().LastLocation; ++l) {
      if (Form().LocationTable[l].LocationName == name) return l;
    }
    ADD_FAILURE() << "no location " << name;
    return -1;
  }

  // The Allied side holds the west of the front centre, the Japanese side the east.
  void GiveOwnersBySide() {
    const long long front_x =
        StrToInt(Form().FrontCenterPosition.substr(0, Form().FrontCenterPosition.find('.')));
    for (int l = 0; l <= Form().LastLocation; ++l) {
      LocationEntry& location = Form().LocationTable[l];
      const long long x =
          StrToInt(location.LocationPosition.substr(0, location.LocationPosition.find('.')));
      location.LocationArmy = x < front_x ? "1" : "2";
    }
  }

  // What the stationary check leaves: every intact object placed where it stands.
  void PlaceStaticObjects() {
    for (int j = 0; j <= Form().LastStationary; ++j) {
      StationaryEntry& object = Form().StationaryObjectTable[j];
      if (StartsWith(object.StationaryLine, "X ")) continue;
      object.StationaryMissionLine = object.StationaryLine;
      object.StationaryMissionPosition = object.StationaryPosition;
    }
  }

  void FillRoster(int s) {
    static constexpr const char* kNames[] = {
        "Gregory Hale", "Frank Doyle",  "Harold Mercer", "Walter Brandt",
        "Eugene Price", "Arthur Vance", "Leon Marsh",    "Carl Hughes",
        "Ray Dalton",   "Otto Keene",   "Milo Barnes",   "Jack Ferris",
        "Sam Whitley",  "Hank Osgood",  "Lou Pratt",     "Ned Carver"};
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = Form().PilotRoster[RosterIndex(s, slot)];
      pilot.RosterName = s == 0 ? kNames[slot] : "Pilot " + IntToStr(s) + "-" + IntToStr(slot);
      pilot.RosterRank = IntToStr(slot % 4);
      pilot.RosterKills = IntToStr(slot % 3);
      pilot.RosterGroundKills = IntToStr(slot * 10);
      pilot.RosterSorties = ZeroPad(slot * 3, 3);
      pilot.RosterMarker = s == 0 && slot == 0 ? "^" : " ";
      pilot.RosterSkin = slot % 2 == 0 ? "1default.bmp" : "3VMF-311.bmp";
      pilot.RosterNoseArt = slot == 1 ? "Lucky_Lady.bmp" : "None";
      pilot.RosterPhoto = slot == 2 ? "DGen\\US\\Hale" : "";
    }
  }

  // A squadron planned toward a location: the half-way point, one line over the target and
  // the way home, as the planner leaves them.
  void Plan(int s, const std::string& target, const std::string& task, int briefs_line,
            const std::string& keyword = "NORMFLY") {
    SquadronEntry& squadron = Form().SquadronTable[s];
    squadron.SquadronInMission = "Y";
    squadron.SquadronTaskCode = task;
    squadron.SquadronTargetLocation = Location(target);
    squadron.SquadronMissionType = Form().Messages.Text(MessageSection::kBriefs, briefs_line);
    squadron.SquadronBriefing = squadron.SquadronMissionType + " over " + target + ".";
    squadron.SquadronTargetLeg =
        "  " + keyword + " " +
        Form().LocationTable[squadron.SquadronTargetLocation].LocationPosition +
        " <ALTITUDE> 300.00 \r\n";
    CreateHalfWay(Form(), s, 0);
    CreateRTBWay(Form(), s);
  }

  void PlanOfflineMission() {
    Plan(0, "Futema", "3", 11);         // the player's fighter sweep
    Plan(5, "Naha_Airfield", "1", 1);   // B-25s bomb the airfield
    Plan(6, "Naha_Airfield", "4", 19);  // Ie Shima's fighters escort them
    Form().SquadronTable[6].SquadronEscortOf = 5;
    Form().SquadronTable[5].SquadronEscortedBy = 6;
    Plan(1, "Hagushi_Beachhead", "3", 21);  // the carrier's fighters patrol
    Plan(10, "Yontan_Airfield", "3", 20);   // Japanese fighters intercept the player
    Form().SquadronTable[10].SquadronInterceptLink = 0;
  }

  TestWorld world;
};

TEST_F(SampleMissionTest, OfflineCareerMissionMatchesTheReviewedGoldens) {
  PlanOfflineMission();
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_TRUE(MatchesGolden(Form().MissionFileText, "okinawa_offline.mis"));
  EXPECT_TRUE(
      MatchesGolden(Form().SquadronTable[0].SquadronBriefing, "okinawa_offline.properties"));
}

TEST_F(SampleMissionTest, DogfightMissionHasBornPlacesAndARussianTwinWithTheSameServerTail) {
  Form().Dogfight.Checked = true;
  Form().FBDTimeBox.Text = "15 Minutes";
  Form().Escape.Text = "50%";
  Form().ServerInfo.Text = "Welcome to our Tavrek server!";
  for (int s : {0, 1, 3, 10, 12}) {
    Form().SquadronTable[s].SquadronAI = "AI False";
    Form().SquadronTable[s].SquadronFlyable = "1";
  }
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_TRUE(MatchesGolden(Form().MissionFileText, "okinawa_dogfight.mis"));
  EXPECT_TRUE(
      MatchesGolden(Form().SquadronTable[0].SquadronBriefing, "okinawa_dogfight.properties"));
  EXPECT_TRUE(
      MatchesGolden(Form().SquadronTable[0].SquadronInfoText, "okinawa_dogfight_ru.properties"));

  const std::string& main_text = Form().SquadronTable[0].SquadronBriefing;
  const std::string& russian = Form().SquadronTable[0].SquadronInfoText;
  const std::string tail = main_text.substr(main_text.find("EscapeProc="));
  EXPECT_EQ(tail.substr(0, 34), "EscapeProc=50%\\n TimeLimit=15:None");
  EXPECT_TRUE(EndsWith(russian, tail)) << russian;
}

}  // namespace

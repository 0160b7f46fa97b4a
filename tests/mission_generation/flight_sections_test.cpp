// Flight sections: flights and planes per squadron, skills, sorties, paint and portraits, and
// the companion aircraft of Mistels and glider tows.

#include "mission_generation/flight_sections.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "campaign_data/text.h"
#include "mission_generation/mission_builder.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

TEST(NextSortieCount, CountsOnInThreeDigitsAndStaysAtTheTop) {
  EXPECT_EQ(NextSortieCount("041"), "042");
  EXPECT_EQ(NextSortieCount("000"), "001");
  EXPECT_EQ(NextSortieCount("998"), "999");
  EXPECT_EQ(NextSortieCount("999"), "999");
}

TEST(PilotSkill, KillsAndSortiesMoveTheSquadronSkillWithinZeroToThree) {
  struct Case {
    int squadron_skill;
    bool defaults;
    double kills;
    double ground_kills;
    int sorties;
    int skill;
  };
  const Case cases[] = {
      {2, true, 0, 0, 1, 0},    {2, true, 0, 0, 4, 1},  {2, true, 0, 0, 5, 2},
      {1, true, 0, 0, 10, 2},   {1, true, 0, 0, 20, 3}, {0, true, 0, 0, 40, 3},
      {1, true, 1, 49, 6, 2},   {1, true, 1, 50, 6, 3}, {3, true, 5, 0, 50, 3},
      {2, false, 9, 900, 1, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PilotSkill(c.squadron_skill, c.defaults, c.kills, c.ground_kills, c.sorties), c.skill)
        << c.squadron_skill << " " << c.kills << " " << c.ground_kills << " " << c.sorties;
  }
}

TEST(PortraitFile, LowerCaseWithoutTheGeneratorFolder) {
  EXPECT_EQ(PortraitFile(" DGen\\US\\Hale "), "us_hale");
  EXPECT_EQ(PortraitFile("Faces\\Ace"), "faces_ace");
  EXPECT_EQ(PortraitFile(""), "");
}

class FlightSectionsTest : public ::testing::Test {
 protected:
  TMainForm& Form() { return campaign.form(); }
  ParsedMission Generate() {
    GenerateMission(Form());
    ExpectLoadableMission(Form());
    return ParseMission(Form().MissionFileText);
  }
  std::vector<std::string> Wing() {
    std::vector<std::string> flights;
    for (const auto& row : ParseMission(Form().MissionFileText).Rows("WING"))
      flights.push_back(row[0]);
    return flights;
  }
  BuilderCampaign campaign;
};

TEST_F(FlightSectionsTest, FlightsAndPlanesFollowThePlanesAvailable) {
  struct Case {
    int planes;
    int per_flight;
    std::vector<std::string> planes_lines;  // per flight
  };
  const Case cases[] = {
      {5, 4, {"4"}}, {3, 4, {"3"}}, {9, 2, {"2", "2"}}, {7, 2, {"2"}}, {16, 4, {"4", "4"}},
  };
  for (const Case& c : cases) {
    BuilderCampaign fresh;
    fresh.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, c.planes, c.per_flight);
    GenerateMission(fresh.form());
    ExpectLoadableMission(fresh.form());
    const ParsedMission mission = ParseMission(fresh.form().MissionFileText);
    std::vector<std::string> planes;
    for (size_t f = 0; f < 4; ++f) {
      for (const auto& row : mission.Rows("VMF_1" + std::to_string(f))) {
        if (row[0] == "Planes") planes.push_back(row[1]);
      }
    }
    EXPECT_EQ(planes, c.planes_lines) << c.planes << " planes, " << c.per_flight << " per flight";
  }
}

TEST_F(FlightSectionsTest, SortiesCountForEveryComputerPilotWhoFliesOnly) {
  const int s = campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 9, 2);
  Form().PilotRoster[RosterIndex(s, 1)].RosterMarker = "^";
  Form().PilotRoster[RosterIndex(s, 4)].RosterSorties = "999";
  const std::string human = Form().PilotRoster[RosterIndex(s, 1)].RosterName;
  const std::string veteran = Form().PilotRoster[RosterIndex(s, 4)].RosterName;
  Generate();
  // The roster is put in order before the flights are written, so the pilots are told apart by
  // name, and the seats that fly are read from the mission: flight f seats slots 4f on.
  const ParsedMission mission = ParseMission(Form().MissionFileText);
  std::vector<bool> flies(16, false);
  for (int f = 0; f < 4; ++f) {
    for (const auto& row : mission.Rows("VMF_1" + std::to_string(f))) {
      if (row[0] != "Planes") continue;
      for (int p = 0; p < StrToInt(row[1]); ++p) flies[4 * f + p] = true;
    }
  }
  int flying = 0;
  for (int slot = 0; slot < 16; ++slot) {
    const PilotEntry& pilot = Form().PilotRoster[RosterIndex(s, slot)];
    const std::string expected = pilot.RosterName == veteran ? "999"
                                 : pilot.RosterName == human ? "005"
                                 : flies[slot]               ? "006"
                                                             : "005";
    EXPECT_EQ(pilot.RosterSorties, expected) << pilot.RosterName << " in slot " << slot;
    flying += flies[slot] ? 1 : 0;
  }
  EXPECT_EQ(flying, 4);
}

TEST_F(FlightSectionsTest, PilotsPaintNoseArtAndPortraitsOrTheDowngradePaintForEveryPlane) {
  const int s = campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 4, 2);
  PilotEntry& first = Form().PilotRoster[RosterIndex(s, 0)];
  first.RosterSkin = "3Hellcat.bmp";
  first.RosterNoseArt = "Lady.bmp";
  first.RosterPhoto = "DGen\\US\\Ace";
  Generate();
  EXPECT_THAT(Form().MissionFileText,
              HasSubstr("  Skill1 1\r\n  Skin0 Hellcat.bmp\r\n  NoseArt0 Lady.bmp\r\n"
                        "  numberOn0 3\r\n  pilot0 us_ace.bmp\r\n  Class air.Test1\r\n"));

  BuilderCampaign downgraded;
  const int d = downgraded.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 4, 2);
  SquadronEntry& squadron = downgraded.form().SquadronTable[d];
  squadron.SquadronBaseClass = "Class air.Newer";
  squadron.DowngradePaint = "5Old.bmp";
  downgraded.form().PilotRoster[RosterIndex(d, 0)].RosterNoseArt = "Lady.bmp";
  GenerateMission(downgraded.form());
  EXPECT_THAT(downgraded.form().MissionFileText,
              HasSubstr("  Skin0 Old.bmp\r\n  Skin1 Old.bmp\r\n  numberOn0 5\r\n  numberOn1 5\r\n"
                        "  Class air.Test1\r\n"));
}

TEST_F(FlightSectionsTest, ASquadronShortOfOilLosesAFlightWhenOutOfAction) {
  const int s = campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  Form().OilSupply = {-1, -1};
  Form().SquadronTable[s].SquadronActive = "Active False";
  Generate();
  EXPECT_THAT(Wing(), ElementsAre("VMF_10"));
}

TEST_F(FlightSectionsTest, MistelAndGliderTowFlyOneFlightWithTheirCompanion) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 4, 4);
  const int mistel = campaign.AddFlyingSquadron("KG_200", "2", "2", 4, 0);
  Form().SquadronTable[mistel].SquadronClass = "Class air.FW_190A8MSTL";
  Form().SquadronTable[mistel].SquadronBaseClass = "Class air.FW_190A8MSTL";
  const int tow = campaign.AddFlyingSquadron("TG_1", "3", "1", 0, 1);
  Form().SquadronTable[tow].SquadronWeapons = "glider CG4A";
  Form().SquadronTable[tow].TypeDefaultWeapons = "glider CG4A";
  const ParsedMission mission = Generate();
  EXPECT_THAT(Wing(), ElementsAre("VMF_10", "KG_2000", "KG_2001", "TG_10", "TG_11"));
  EXPECT_THAT(mission.Rows("KG_2001"),
              ElementsAre(ElementsAre("Planes", "1"), ElementsAre("OnlyAI", "1"),
                          ElementsAre("Class", "air.JU_88MSTL"), ElementsAre("Fuel", "50"),
                          ElementsAre("weapons", "default")));
  EXPECT_THAT(mission.Rows("TG_11")[2], ElementsAre("Class", "air.CG4A"));
  EXPECT_THAT(mission.Find("TG_11_Way")->lines.front(), HasSubstr("TG_10 0"));
}

}  // namespace

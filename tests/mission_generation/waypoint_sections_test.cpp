// Waypoint sections: follow links of escorts and formations, altitudes, moves and returns off
// the map, and the landing lines by kind of base.

#include "mission_generation/waypoint_sections.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "mission_generation/mission_builder.h"
#include "tests/mission_generation/builder_campaign.h"
#include "tests/support/mission_checker.h"

namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(WaypointText, PositionsLinksAndAltitudes) {
  EXPECT_EQ(PositionAfter("  TAKEOFF 100.00 200.00 0 0\r\n", "TAKEOFF "), "100.00 200.00 0 0");
  EXPECT_EQ(PositionAfter("  NORMFLY 1.00 2.00 500 300.00\r\n", "TAKEOFF "),
            "LY 1.00 2.00 500 300.00");
  EXPECT_EQ(WithFollowLink("  NORMFLY 1.00 2.00 500.0 300.00 A0 1\r\n", "B0 2"),
            "  NORMFLY 1.00 2.00 500.0 300.00 B0 2\r\n");
  EXPECT_EQ(WithFollowLink("NORMFLY 1.00 2.00 500.0 300.00\r\nNORMFLY 3.00 4.00 1 2\r\n", ""),
            "  NORMFLY 1.00 2.00 500.0 300.00 \r\nNORMFLY 3.00 4.00 1 2\r\n");
  std::string many;
  std::string expected;
  for (int n = 0; n < 130; ++n) {
    many += "<ALTITUDE>,";
    expected += n < 129 ? "700.0," : "<ALTITUDE>,";
  }
  EXPECT_EQ(FillAltitudes(many, 700), expected);
}

class WaypointSectionsTest : public ::testing::Test {
 protected:
  TMainForm& Form() { return campaign.form(); }
  const std::vector<std::string>& Route(const std::string& flight) {
    mission = ParseMission(Form().MissionFileText);
    const MissionSection* section = mission.Find(flight + "_Way");
    EXPECT_NE(section, nullptr) << flight;
    static const std::vector<std::string> kNone;
    return section != nullptr ? section->lines : kNone;
  }
  BuilderCampaign campaign;
  ParsedMission mission;
};

TEST_F(WaypointSectionsTest, EscortsFollowThePlayerAndEveryLineCarriesOneLink) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  const int escort = campaign.AddFlyingSquadron("FS_2", "1", "1", 4, 1);
  Form().SquadronTable[escort].SquadronEscortOf = 0;
  Form().SquadronTable[0].SquadronEscortedBy = escort;
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  for (const char* flight : {"FS_20", "FS_21"}) {
    const std::vector<std::string>& route = Route(flight);
    ASSERT_GE(route.size(), 4u);
    EXPECT_THAT(route[1], EndsWith(" VMF_10 1 &0")) << flight;
    EXPECT_THAT(route[2], EndsWith(" VMF_10 2 &0")) << flight;
    EXPECT_THAT(route[3], EndsWith(" VMF_10 2 &0")) << flight;
    for (const std::string& line : route) {
      EXPECT_THAT(line, Not(HasSubstr("VMF_10 1 VMF_10"))) << flight;
      EXPECT_THAT(line, Not(HasSubstr("VMF_10 2 VMF_10"))) << flight;
    }
  }
  EXPECT_THAT(Form().SquadronTable[0].SquadronBriefing,
              HasSubstr("Your escort: FS 2 Squadron flying Test type 1."));
}

TEST_F(WaypointSectionsTest, LaterBomberFlightsFollowTheFirstAtItsFirstPoint) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  const int bombers = campaign.AddFlyingSquadron("BS_2", "2", "1", 0, 4, 16, 4);
  Form().FlightsPerSquadron = 3;
  Form().SquadronTable[bombers].SquadronTaskCode = "1";
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_THAT(Route("BS_20")[1], EndsWith("300.00 &0"));
  EXPECT_THAT(Route("BS_21")[1], EndsWith(" 300.00 BS_20 1 &0"));
  EXPECT_THAT(Route("BS_22")[1], EndsWith(" 300.00 BS_20 1 &0"));
}

TEST_F(WaypointSectionsTest, AltitudesClimbByFlightAndRole) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1, 16, 4);
  Form().FlightsPerSquadron = 3;
  GenerateMission(Form());
  // The target line: 3000 m and 100 m more for each later fighter flight.
  EXPECT_THAT(Route("VMF_10")[4], HasSubstr(" 3000.0 "));
  EXPECT_THAT(Route("VMF_11")[4], HasSubstr(" 3100.0 "));
  EXPECT_THAT(Route("VMF_12")[4], HasSubstr(" 3200.0 "));
  EXPECT_THAT(Form().MissionFileText, Not(HasSubstr("<ALTITUDE>")));
}

TEST_F(WaypointSectionsTest, TransfersLandAtTheNewBaseOrLeaveTheMap) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  const int mover = campaign.AddFlyingSquadron("FS_2", "1", "1", 0, 4);
  Form().SquadronTable[mover].SquadronMoveKind = 2;
  Form().SquadronTable[mover].SquadronNewBase = "Echo_Airfield";
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_EQ(Route("FS_20").back(), "  LANDING 60000.00 10000.00 0 0 &0");
  EXPECT_EQ(Form().SquadronTable[mover].SquadronHomeBase, "Echo_Airfield");

  BuilderCampaign away;
  away.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  const int leaver = away.AddFlyingSquadron("FS_2", "1", "1", 0, 4);
  away.form().LocationTable[4].LocationName = "English_Airfield";
  away.form().SquadronTable[leaver].SquadronMoveKind = 2;
  away.form().SquadronTable[leaver].SquadronNewBase = "English_Airfield";
  GenerateMission(away.form());
  ExpectLoadableMission(away.form());
  const ParsedMission parsed = ParseMission(away.form().MissionFileText);
  const MissionSection* route = parsed.Find("FS_20_Way");
  ASSERT_NE(route, nullptr);
  EXPECT_THAT(route->lines.back(), HasSubstr("NORMFLY"));
  EXPECT_THAT(away.form().MissionFileText, Not(HasSubstr("LANDING 60000.00")));
}

TEST_F(WaypointSectionsTest, LandingLinesByKindOfBase) {
  campaign.AddFlyingSquadron("VMF_1", "1", "1", 0, 1);
  const int harbour = campaign.AddFlyingSquadron("SEA_2", "6", "1", 3, 1);
  Form().LocationTable[3].LocationName = "Delta_Harbor";
  Form().SquadronTable[harbour].SquadronHomeBase = "Delta_Harbor";
  campaign.AddFlyingSquadron("CV_3", "1", "1", WaypointCampaign::kKiloAirfield, 1);
  GenerateMission(Form());
  ExpectLoadableMission(Form());
  EXPECT_EQ(Route("SEA_20").back(), "  NORMFLY 5000.00 30000.00 3000.0 300.00 &0");
  EXPECT_EQ(Route("CV_30").back(), "  LANDING 30000.00 70000.00 0 0 9_Static 0 0 &0");
}

}  // namespace

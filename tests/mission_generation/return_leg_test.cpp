#include "mission_generation/return_leg.h"

#include <gtest/gtest.h>

#include "campaign_data/text.h"
#include "mission_generation/flight_performance.h"
#include "mission_generation/waypoint_text.h"
#include "tests/mission_generation/waypoint_campaign.h"

namespace {

using C = WaypointCampaign;

TEST(ReturnLeg, TwoPointsTowardHome) {
  struct Case {
    const char* name;
    const char* role;
    const char* take_off;
    int target;
    MapMetres first;
    MapMetres second;
  };
  const Case cases[] = {
      {"fighter", "1", "TAKEOFF 10000.00 10000.00", C::kBravoTown, {23250, 12000}, {15625, 9500}},
      // The y sign stays positive on the second point although it lies level with home.
      {"bomber", "2", "TAKEOFF 10000.00 10000.00", C::kBravoTown, {22000, 10000}, {14500, 7500}},
      {"target straight up in y",
       "1",
       "TAKEOFF 20000.00 10000.00",
       C::kCharlieTown,
       {23000, 23250},
       {20000, 15625}},
      {"target at smaller x and y",
       "1",
       "TAKEOFF 40000.00 20000.00",
       C::kAlphaAirfield,
       {26750, 18000},
       {34375, 20500}},
  };
  for (const Case& c : cases) {
    WaypointCampaign campaign;
    TMainForm& form = campaign.form();
    const int s = campaign.AddSquadron("S", c.role, "1", C::kAlphaAirfield, c.target);
    form.SquadronTable[s].SquadronTakeOffLeg = c.take_off;
    const std::string tail =
        " " + AltitudeField(AltitudeSet(form, s)) + " " + SetSpeed(form, s) + " \r\n";
    const std::string expected = "  NORMFLY " + WaypointCoordinates(c.first.x, c.first.y) + tail +
                                 "  NORMFLY " + WaypointCoordinates(c.second.x, c.second.y) + tail;
    CreateRTBWay(form, s);
    EXPECT_EQ(form.SquadronTable[s].SquadronReturnLeg, expected) << c.name;
    CreateRTBWay(form, s);
    EXPECT_EQ(form.SquadronTable[s].SquadronReturnLeg, expected) << c.name << ", second call";
  }
}

TEST(ReturnLeg, FighterGolden) {
  WaypointCampaign campaign;
  const int s = campaign.AddSquadron("JG3", "1", "2", C::kAlphaAirfield, C::kBravoTown);
  CreateRTBWay(campaign.form(), s);
  EXPECT_EQ(campaign.form().SquadronTable[s].SquadronReturnLeg,
            "  NORMFLY 23250.00 12000.00 3000.0 300.00 \r\n"
            "  NORMFLY 15625.00 9500.00 3000.0 300.00 \r\n");
}

}  // namespace

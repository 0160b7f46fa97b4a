#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "mission_generation/plan_run.h"
#include "tests/support/test_world.h"

namespace {

// A squadron taking off at (100000, 200000) whose reach is the whole action radius.
void PlaceSquadron(TMainForm& form, int radius_km) {
  form.ActionRadiusKm = radius_km;
  SquadronEntry& squadron = form.SquadronTable[3];
  squadron.SquadronRole = "1";
  squadron.TypeRange = "Default";
  squadron.TypePayload5 = "none";
  squadron.SquadronTakeOffLeg = "TAKEOFF 100000.00 200000.00";
  form.LastSquadron = 3;
}

// The rule as the range tests state it: the first point nudged a metre on both axes, the
// distance cut to whole metres, then measured against the limit of the rule.
bool WithinByTheRule(const WholeMetrePoint& point, long long limit) {
  return WholeMetreDistance(point.x + 1 - 100000, point.y + 1 - 200000) < limit;
}

// The answers near the edge of a radius, where the rounding of the root decides, on rings a
// few metres either side of the limits of rule 0 (the radius) and rule 2 (199,999 metres).
TEST(SquadronReach, AnswersAsTheMeasuredDistanceAtTheEdgesOfTheRadius) {
  for (const int radius_km : {0, 1, 120, 250, 300}) {
    TestWorld world;
    PlaceSquadron(*world.form, radius_km);
    SquadronReach reach(*world.form, 3);
    for (const long long limit : {radius_km * 1000LL, 199999LL}) {
      const int rule = limit == 199999 ? 2 : 0;
      for (int step = 0; step < 720; ++step) {
        const double angle = step * 3.14159265358979 / 360.0;
        for (long long offset = -3; offset <= 3; ++offset) {
          const double metres = static_cast<double>(limit + offset);
          const WholeMetrePoint point{99999 + std::llround(metres * std::cos(angle)),
                                      199999 + std::llround(metres * std::sin(angle))};
          const bool expected =
              rule == 0 ? WithinByTheRule(point, limit) : WithinByTheRule(point, 199999);
          ASSERT_EQ(reach.Reaches(point, rule), expected)
              << "radius " << radius_km << " km, rule " << rule << ", point " << point.x << " "
              << point.y;
        }
      }
    }
    // The take-off point itself measures one metre.
    EXPECT_EQ(reach.Reaches({99999, 199999}, 0), radius_km * 1000LL > 1);
  }
}

// Squared metres settle only what measuring would answer, under rule 0 and rule 2, on rings
// about each limit and on points scattered over and beyond the reach.
TEST(SquadronReach, SquaredMetresSettleAsMeasuringWould) {
  for (const int radius_km : {0, 1, 120, 250, 300}) {
    TestWorld world;
    PlaceSquadron(*world.form, radius_km);
    SquadronReach reach(*world.form, 3);
    for (const int rule : {0, 2}) {
      const SquadronReach::SquaredLimit squared = reach.Squared(reach.Limit(rule));
      int settled = 0;
      int points = 0;
      for (int step = 0; step < 400; ++step) {
        const double angle = step * 3.14159265358979 / 200.0;
        for (const double metres : {0.0, 1.0, 2.0, 50000.0, 199997.0, 199999.0, 200001.0,
                                    radius_km * 1000.0 - 2, radius_km * 1000.0 + 1, 400000.0}) {
          const WholeMetrePoint point{99999 + std::llround(metres * std::cos(angle)),
                                      199999 + std::llround(metres * std::sin(angle))};
          const int settle = squared.Settle(point);
          ++points;
          if (settle < 0) continue;
          ++settled;
          ASSERT_EQ(settle == 1, reach.Reaches(point, rule))
              << "radius " << radius_km << " km, rule " << rule << ", point " << point.x << " "
              << point.y;
        }
      }
      // A limit under two metres settles nothing: a point on the take-off position measures one.
      if (reach.Limit(rule) >= 2) {
        EXPECT_GT(settled * 2, points) << "radius " << radius_km << " km, rule " << rule;
      } else {
        EXPECT_EQ(settled, 0);
      }
    }
  }
}

TEST(SquadronReach, ASquadronWithoutATakeOffPositionReachesNothing) {
  TestWorld world;
  PlaceSquadron(*world.form, 250);
  world.form->SquadronTable[3].SquadronTakeOffLeg.clear();
  SquadronReach reach(*world.form, 3);
  EXPECT_FALSE(reach.HasBase());
  EXPECT_FALSE(reach.Reaches({100000, 200000}, 0));
}

}  // namespace

#include "mission_generation/waypoint_geometry.h"

#include <gtest/gtest.h>

#include "mission_generation/waypoint_text.h"
#include "platform/errors.h"
#include "tests/support/test_world.h"

namespace {

// A bomber: reach 350 km with the default action radius of 250 km.
class RouteGeometry : public ::testing::Test {
 protected:
  RouteGeometry() {
    SquadronEntry& bomber = form.SquadronTable[0];
    bomber.SquadronRole = "2";
    bomber.TypeRange = "Default";
    bomber.TypePayload5 = "none";
    form.ActionRadiusKm = 250;
  }
  TestWorld world;
  TMainForm& form = *world.form;
};

TEST_F(RouteGeometry, DirectionTowardThePatrolPoint) {
  struct Case {
    const char* name;
    const char* from;
    const char* toward;
    int step;
    const char* point;
  };
  const Case cases[] = {
      // 250 km x 1250 m is shorter than the 350 km reach; 3 : 4 gives 36 degrees.
      {"further on both axes", "10000.00 10000.00", "40000.00 50000.00", 0, "193682.00 262817.00 "},
      {"second flight of the side", "10000.00 10000.00", "40000.00 50000.00", 1,
       "213682.00 282817.00 "},
      {"smaller x, greater y", "40000.00 10000.00", "10000.00 50000.00", 0,
       "-143682.00 262817.00 "},
      {"smaller on both axes", "50000.00 60000.00", "20000.00 20000.00", 0,
       "-133682.00 -192817.00 "},
      {"same y", "10000.00 10000.00", "70000.00 10000.00", 0, "322452.00 4546.00 "},
      {"from with further fields", "10000.00 10000.00 0 0", "40000.00 50000.00", 0,
       "193682.00 262817.00 "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetDirection(form, c.from, c.toward, 0, c.step), c.point) << c.name;
  }
}

TEST_F(RouteGeometry, DirectionPointsTowardThePatrolPointInEveryQuadrant) {
  const MapMetres from{100000, 100000};
  const MapMetres towards[] = {{130000, 140000}, {70000, 140000}, {70000, 60000}, {130000, 60000}};
  for (const MapMetres& toward : towards) {
    const std::string point = GetDirection(form, WaypointCoordinates(from.x, from.y),
                                           WaypointCoordinates(toward.x, toward.y), 0, 0);
    const MapMetres p = ReadPosition(point);
    EXPECT_EQ(p.x > from.x, toward.x > from.x) << point;
    EXPECT_EQ(p.y > from.y, toward.y > from.y) << point;
  }
}

TEST_F(RouteGeometry, DirectionReachIsTheSquadronsWhenShorter) {
  form.SquadronTable[0].SquadronRole = "1";  // reach 250 km: 250000 m < 312500 m
  EXPECT_EQ(GetDirection(form, "10000.00 10000.00", "40000.00 50000.00", 0, 0),
            "156946.00 212254.00 ");
}

TEST_F(RouteGeometry, OffMapPathLeadsAwayFromTheTarget) {
  form.ActionRadiusKm = 25;
  EXPECT_EQ(GetOffMapPath(form, "10000.00 10000.00", "40000.00 50000.00", 0),
            "-136946.00 -192254.00 ");
  EXPECT_EQ(GetOffMapPath(form, "10000.00 10000.00", "40000.00 50000.00", 1),
            "-135946.00 -191254.00 ");
  EXPECT_EQ(GetOffMapPath(form, "10000.00 10000.00", "-20000.00 50000.00", 0),
            "156946.00 -192254.00 ");
  // Level in y: the angle is cut to -89 and brought to 271 degrees.
  EXPECT_EQ(GetOffMapPath(form, "10000.00 10000.00", "40000.00 10000.00", 0),
            "-239961.00 14363.00 ");
}

TEST_F(RouteGeometry, UnreadablePositionsAreErrorsNotCrashes) {
  EXPECT_THROW(GetDirection(form, "", "40000.00 50000.00", 0, 0), ConversionError);
  EXPECT_THROW(GetDirection(form, "10000 10000", "40000.00 50000.00", 0, 0), ConversionError);
  EXPECT_THROW(GetOffMapPath(form, "10000.00 10000.00", "40000.00", 0), ConversionError);
  // The same point twice: no division by zero, a point at the full distance.
  EXPECT_EQ(GetDirection(form, "10000.00 10000.00", "10000.00 10000.00", 0, 0),
            "10000.00 -302500.00 ");
}

}  // namespace

#include "mission_generation/flight_range.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_world.h"

namespace {

TEST(RangeTest, ReachFromRadiusRoleTypeRangeAndLongRangeLoadout) {
  struct Case {
    const char* name;
    int radius_km;
    std::string role;
    std::string aircraft_class;
    std::string type_range;
    std::string payload5;
    int reach_km;
  };
  const Case cases[] = {
      {"fighter", 250, "1", "Class air.I-16TYPE24", "Default", "none", 250},
      {"bomber", 250, "2", "Class air.He-111H2", "Default", "none", 350},
      {"bomber, radius capped at 300", 400, "2", "Class air.He-111H2", "Default", "none", 400},
      {"seaplane", 250, "6", "Class air.H8K1", "Default", "none", 350},
      {"A6M2N seaplane", 250, "6", "Class air.A6M2N", "Default", "none", 250},
      {"type range with long-range loadout", 250, "1", "Class air.P-51D", "650 km", "Tanks", 950},
      {"type range replaces the bomber bonus", 250, "2", "Class air.He-111H2", "650 km", "none",
       650},
      {"type range without a blank", 250, "1", "Class air.P-51D", "650km", "none", 650},
      {"type range that is no number", 250, "2", "Class air.He-111H2", "far", "none", 250},
      {"no number, radius capped", 400, "6", "Class air.H8K1", "far", "none", 300},
      {"no number with long-range loadout", 400, "1", "Class air.P-51D", "far", "Tanks", 600},
      {"long-range loadout on the radius", 250, "2", "Class air.He-111H2", "Default", "Tanks", 650},
  };
  for (const Case& c : cases) {
    TestWorld world;
    world.form->ActionRadiusKm = c.radius_km;
    SquadronEntry& squadron = world.form->SquadronTable[4];
    squadron.SquadronRole = c.role;
    squadron.SquadronClass = c.aircraft_class;
    squadron.TypeRange = c.type_range;
    squadron.TypePayload5 = c.payload5;
    EXPECT_EQ(RangeTest(*world.form, 4), c.reach_km) << c.name;
  }
}

}  // namespace

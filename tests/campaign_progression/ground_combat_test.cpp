#include "campaign_progression/ground_combat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "campaign_data/random_generator.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;

struct Strengths {
  int allied_attack;
  int allied_defence;
  int axis_attack;
  int axis_defence;
};

void ExpectStrengths(const LocationEntry& location, const Strengths& expected) {
  const LocationCombatEntry& combat = location.LocationCombat;
  EXPECT_EQ(combat.AlliedAttack, expected.allied_attack) << location.LocationName;
  EXPECT_EQ(combat.AlliedDefence, expected.allied_defence) << location.LocationName;
  EXPECT_EQ(combat.AxisAttack, expected.axis_attack) << location.LocationName;
  EXPECT_EQ(combat.AxisDefence, expected.axis_defence) << location.LocationName;
}

TEST(DetermineRetreat, SumsArmourPlacedObjectsAndTroopsPerPlace) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Alden", "1", 3, 0}, {"Isle", "1", 1, 0}});
  world.AddColumn("Armor.3-Sherman", "1", "Alden");  // 12 / 9 a tank
  world.AddColumn("Armor.2-Unknown", "1", "Alden");  // 5 / 5 a tank
  world.AddColumn("Armor.2-Panzer", "2", "Bexley");  // 10 / 8 a tank
  world.AddColumn("Vehicles.Truck", "2", "Bexley");  // counts nothing
  world.AddColumn("Armor.x-Panzer", "2", "Carrow_Bridge");
  form.StationaryObjectTable[0].StationaryMissionLine = "  0_Static x 2 30000.00 50000.00";
  form.StationaryObjectTable[0].StationaryArmy = "2";
  form.StationaryObjectTable[0].StationaryNearestLocation = world.Index("Bexley");
  form.StationaryObjectTable[1].StationaryArmy = "2";  // not placed in the coming mission
  form.StationaryObjectTable[1].StationaryNearestLocation = world.Index("Bexley");
  form.StationaryObjectTable[2].StationaryMissionLine = "  2_Static x 1 0.00 0.00";
  form.StationaryObjectTable[2].StationaryArmy = "1";
  form.StationaryObjectTable[2].StationaryNearestLocation = -1;
  form.LastStationary = 2;
  DetermineRetreat(form);
  ExpectStrengths(world.At("Alden"), {36 + 10 + 1, 27 + 10 + 3, 1, 1});
  ExpectStrengths(world.At("Isle"), {1, 1, 1, 1});
  ExpectStrengths(world.At("Bexley"), {1, 1, 20 + 3, 16 + 5});
  ExpectStrengths(world.At("Carrow_Bridge"), {1, 1, 1, 1});
  EXPECT_THAT(form.ErrorText, HasSubstr("Column 4_Chief (4_Chief Armor.x-Panzer 2) gives no "
                                        "vehicle count after its first \".\"; it counts no "
                                        "vehicles."));
  // Before 1942 Allied armour fights at half strength, the Axis's at full.
  form.CampaignYear = 1941;
  DetermineRetreat(form);
  ExpectStrengths(world.At("Alden"), {18 + 10 + 1, 12 + 10 + 3, 1, 1});
  ExpectStrengths(world.At("Bexley"), {1, 1, 23, 21});
}

TEST(ResolveGroundCombat, AnEngagedColumnFallsWhenTheEnemyDrawBeatsFiveTimesItsDefence) {
  bool destroyed = false;
  bool survived = false;
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Carrow_Bridge", "0", 0, 0}, {"North_Sea", "0", 0, 0}});
  world.At("Carrow_Bridge").LocationCombat = {1, 1, 61, 1};
  const int trucks = world.AddColumn("Vehicles.Truck", "1", "Carrow_Bridge");
  const int tanks = world.AddColumn("Armor.2-Panzer", "2", "Carrow_Bridge");
  const int resting = world.AddColumn("Vehicles.Truck", "1", "Carrow_Bridge");
  const int ship = world.AddColumn("Ships.Destroyer", "1", "North_Sea");
  for (std::uint32_t n = 1; n <= 40; ++n) {
    const std::uint32_t seed = n * 2654435761u;
    form.ColumnTable[trucks].ColumnPlace = "Carrow_Bridge";
    form.ColumnTable[trucks].ColumnDestination = "Carrow_Bridge";
    form.ColumnTable[trucks].ColumnMarks = "A";
    for (const int c : {trucks, tanks, ship}) form.ColumnTable[c].ColumnStatus = "Y";
    form.Rand.SetSeed(seed);
    RandomGenerator replay;
    replay.SetSeed(seed);
    const bool trucks_fall = replay.Random(61) > 50;
    replay.Random(1);  // the Allied attack of 1 never beats the Panzers' 40
    ResolveGroundCombat(form);
    EXPECT_EQ(form.Rand.Seed(), replay.Seed());
    EXPECT_EQ(form.ColumnTable[trucks].ColumnPlace, trucks_fall ? "Blank" : "Carrow_Bridge");
    EXPECT_EQ(form.ColumnTable[trucks].ColumnDestination, form.ColumnTable[trucks].ColumnPlace);
    EXPECT_EQ(form.ColumnTable[tanks].ColumnPlace, "Carrow_Bridge");
    EXPECT_EQ(form.ColumnTable[resting].ColumnPlace, "Carrow_Bridge");
    EXPECT_EQ(form.ColumnTable[ship].ColumnPlace, "North_Sea");
    EXPECT_THAT(world.CampaignFile("columns.tavrek"),
                HasSubstr(trucks_fall ? "0_Chief Vehicles.Truck 1 @Blank $Unit ~X"
                                      : "0_Chief Vehicles.Truck 1 @Carrow_Bridge $Unit ~A"));
    destroyed = destroyed || trucks_fall;
    survived = survived || !trucks_fall;
  }
  EXPECT_TRUE(destroyed);
  EXPECT_TRUE(survived);
}

TEST(ResolveGroundCombat, NoFightInANewCampaign) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Carrow_Bridge", "0", 0, 0}});
  world.At("Carrow_Bridge").LocationCombat = {1, 1, 1000, 1};
  world.AddColumn("Vehicles.Truck", "1", "Carrow_Bridge");
  form.ColumnTable[0].ColumnStatus = "Y";
  form.NewCampaignFlag = "Y";
  const std::uint32_t seed = form.Rand.Seed();
  ResolveGroundCombat(form);
  EXPECT_EQ(form.Rand.Seed(), seed);
  EXPECT_EQ(form.ColumnTable[0].ColumnPlace, "Carrow_Bridge");
}

struct ShipCase {
  const char* type;
  bool capital;
};

class CapitalShips : public ::testing::TestWithParam<ShipCase> {};

TEST_P(CapitalShips, AreCarriersBattleshipsAndNamedCruisers) {
  TestWorld world;
  EXPECT_EQ(CapitalShipCheck(*world.form, GetParam().type), GetParam().capital);
}

INSTANTIATE_TEST_SUITE_P(
    Ships, CapitalShips,
    ::testing::Values(ShipCase{"Ships.USSEssexCV9", true}, ShipCase{"Ships.LCVP", false},
                      ShipCase{"Ships.LCVP_BB", true}, ShipCase{"Ships.cv", false},
                      ShipCase{"Ships.IJNYamatoBB45", true}, ShipCase{"Ships.Tirpitz", true},
                      ShipCase{"Ships.USSIndianapolisCA35", true},
                      ShipCase{"Ships.USSFletcherDD445", false}, ShipCase{"", false}));

TEST(RetreatsCheck, AsksWhetherASideStandsAtTheColumnsDestination) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  EXPECT_FALSE(RetreatsCheck(form, 0, "1"));
  const int tanks = world.AddColumn("Armor.3-Sherman", "1", "Alden");
  world.AddColumn("Armor.2-Panzer", "2", "Carrow_Bridge");
  EXPECT_TRUE(RetreatsCheck(form, tanks, "1"));  // the column itself stands there
  EXPECT_FALSE(RetreatsCheck(form, tanks, "2"));
  form.ColumnTable[tanks].ColumnDestination = "Carrow_Bridge";
  EXPECT_TRUE(RetreatsCheck(form, tanks, "2"));
  EXPECT_FALSE(RetreatsCheck(form, tanks, "1"));
}

}  // namespace

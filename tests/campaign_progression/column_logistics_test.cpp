#include "campaign_progression/column_logistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "campaign_data/random_generator.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Riverland held by its sides, zones at the two towns, every column coming back from the
// reserve unless a test says otherwise.
struct LogisticsWorld : RiverlandWorld {
  LogisticsWorld() {
    Hold({{"Bexley", "2", 0, 20},
          {"Bexley_Airstrip", "2", 0, 0},
          {"Bexley_Harbor", "2", 0, 0},
          {"Bexley_Rail_Station", "2", 0, 0},
          {"North_Sea", "0", 0, 0},
          {"Carrow_Bridge", "0", 0, 0}});
    form->RuZoneText = "Alden";
    form->DeZoneText = "Bexley";
    form->ReinforcementChance = {100, 100};
  }
  const ColumnEntry& Column(int c) const { return form->ColumnTable[c]; }
};

TEST(ColumnLocation, DestroyedArmourIsRefilledAndDeployedFromTheReserve) {
  for (std::uint32_t n = 1; n <= 6; ++n) {
    const std::uint32_t seed = n * 2654435761u;
    LogisticsWorld world;
    TMainForm& form = *world.form;
    const int tanks = world.AddColumn("Armor.0-Sherman", "1", "Alden");
    form.Rand.SetSeed(seed);
    RandomGenerator replay;
    replay.SetSeed(seed);
    replay.Random(100);                           // the reinforcement draw
    const bool at_depot = replay.Random(3) == 0;  // the depot draw
    ColumnLocation(form, "No");
    SCOPED_TRACE("seed " + std::to_string(seed));
    const ColumnEntry& column = world.Column(tanks);
    EXPECT_EQ(column.ColumnType, "0_Chief Armor.3-Sherman 1");
    EXPECT_EQ(column.ColumnArmorChange, "Y");
    EXPECT_EQ(column.ColumnPlace, at_depot ? "Alden_Depot" : "Alden");
    EXPECT_EQ(column.ColumnDestination, column.ColumnPlace);
    EXPECT_EQ(column.ColumnStatus, "L");
    EXPECT_EQ(form.Rand.Seed(), replay.Seed());
    EXPECT_THAT(form.ErrorText, HasSubstr("] 0_Chief [100%] moves to reserve.\r\n"));
    EXPECT_EQ(world.CampaignFile("columns.tavrek"),
              "0_Chief Armor.3-Sherman 1 @" + column.ColumnPlace + " $Unit ~A\r\n");
  }
}

TEST(ColumnLocation, ABlankLandColumnLeavesTheMapOnlyWithTheReinforcementDraw) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  form.ReinforcementChance = {0, 0};
  const int tanks = world.AddColumn("Armor.0-Unknown", "1", "Alden");
  const int trucks = world.AddColumn("Vehicles.Truck", "2", "Blank");
  ColumnLocation(form, "No");
  EXPECT_EQ(world.Column(tanks).ColumnType, "0_Chief Armor.0-Unknown 1");
  EXPECT_THAT(form.ErrorText, HasSubstr("is of no armour type of armor.tavrek; it is not "
                                        "refilled."));
  EXPECT_EQ(world.Column(tanks).ColumnPlace, "Blank");
  EXPECT_EQ(world.Column(trucks).ColumnPlace, "Blank");
  EXPECT_THAT(form.ErrorText, Not(HasSubstr("moves to reserve")));
  EXPECT_EQ(world.CampaignFile("columns.tavrek"),
            "0_Chief Armor.0-Unknown 1 @Alden $Unit ~X\r\n1_Chief Vehicles.Truck 2 @Blank $Unit "
            "~X\r\n");
}

TEST(ColumnLocation, ColumnsMeetingTheEnemyAreEngagedAndTrainsOnHisGroundLost) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  form.PatrolText[0] = "West_Patrol";
  form.ReinforcementChance = {0, 0};
  const int allied_trucks = world.AddColumn("Vehicles.USACarsColumnA", "1", "Isle");
  const int axis_trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Isle");
  const int train = world.AddColumn("Trains.Cargo", "1", "Bexley_Rail_Station");
  const int ship = world.AddColumn("Ships.Destroyer", "2", "North_Sea");
  const int raiders = world.AddColumn("Armor.3-Sherman", "1", "Bexley");
  const int patrol_a = world.AddColumn("Ships.Destroyer", "1", "West_Patrol");
  const int patrol_b = world.AddColumn("Ships.Destroyer", "2", "West_Patrol");
  ColumnLocation(form, "No");
  EXPECT_EQ(world.At("Isle").LocationArmy, "0");
  EXPECT_EQ(world.Column(allied_trucks).ColumnStatus, "Y");
  EXPECT_EQ(world.Column(axis_trucks).ColumnStatus, "Y");
  EXPECT_EQ(world.Column(allied_trucks).ColumnHeading, "2");
  EXPECT_EQ(world.Column(axis_trucks).ColumnHeading, "1");
  EXPECT_EQ(world.Column(allied_trucks).ColumnPlaceOwner, "0");
  EXPECT_EQ(world.Column(train).ColumnPlace, "Blank");
  EXPECT_EQ(world.At("North_Sea").LocationArmy, "2");
  EXPECT_EQ(world.Column(ship).ColumnStatus, "");
  EXPECT_EQ(world.Column(raiders).ColumnStatus, "Y");
  EXPECT_EQ(world.Column(raiders).ColumnHeading, "2");
  EXPECT_EQ(world.Column(patrol_a).ColumnStatus, "");
  EXPECT_EQ(world.Column(patrol_b).ColumnStatus, "");
}

TEST(ColumnLocation, TransportsUnloadAtAHarbourWithTheLandingNewsOnce) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  form.ReinforcementChance = {0, 0};
  const int transport = world.AddColumn("Ships.LCVP", "1", "Bexley_Harbor", "Landing_Craft");
  const std::string carrier = world.Column(transport).ColumnName;
  const int first = world.AddColumn("Armor.3-Sherman", "1", carrier, "First_Tanks");
  const int second = world.AddColumn("Armor.3-Sherman", "1", carrier, "Second_Tanks");
  const int loaded = world.AddColumn("Armor.3-Sherman", "1", carrier, "Loaded_Now");
  form.ColumnTable[loaded].ColumnTransportLink = "Y";
  ColumnLocation(form, "No");
  for (const int c : {first, second}) {
    EXPECT_EQ(world.Column(c).ColumnPlace, "Bexley");
    EXPECT_EQ(world.Column(c).ColumnDestination, "Bexley");
  }
  EXPECT_EQ(world.Column(loaded).ColumnPlace, carrier);
  EXPECT_EQ(world.Column(transport).ColumnStatus, "L");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("] First_Tanks unloaded by Landing_Craft at Bexley_Harbor.\r\n"));
  EXPECT_EQ(form.ColumnNews, "8: Allied army landed at Bexley (D-6). ");
  EXPECT_EQ(form.ColumnNewsRu, "ru8: Allied army landed at Bexley (D-6). ");
}

TEST(ColumnLocation, AnEquipmentTrainRefillsArmourAtItsTown) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  form.ReinforcementChance = {0, 0};
  world.At("Alden_Rail_Station").LocationName = "Alden_Station";
  const int tanks = world.AddColumn("Armor.1-Sherman", "1", "Alden");
  world.AddColumn("Trains.US_EquipmentTrain", "1", "Alden_Station");
  ColumnLocation(form, "No");
  EXPECT_EQ(world.Column(tanks).ColumnType, "0_Chief Armor.3-Sherman 1");
  EXPECT_THAT(form.ErrorText, HasSubstr("] 0_Chief resupplied.\r\n"));
}

TEST(ColumnLocation, WithYesTrucksTrainsAndShipsBringTroops) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  form.ReinforcementChance = {0, 0};
  world.AddColumn("Vehicles.USACarsColumnA", "1", "Isle");
  world.AddColumn("Armor.3-Sherman", "1", "Alden");
  ColumnLocation(form, "Yes");
  EXPECT_EQ(world.At("Isle").TerritoryStrength[1], 10);
  EXPECT_EQ(world.At("Alden").TerritoryStrength[1], 0);
  EXPECT_THAT(world.CampaignFile("territory.tavrek"), HasSubstr("Isle 1 allied=10 axis=0"));
}

struct Move {
  const char* name;
  const char* kind;
  const char* army;
  const char* place;
  const char* destination;
  const char* heading;
  const char* place_owner;
  const char* status;
  bool routed;
  const char* stored;  // the line of columns.tavrek afterwards
};

class ColumnListUpdates : public ::testing::TestWithParam<Move> {};

// One column of interest (index 0) with an Axis armour column heading for Isle beside it.
TEST_P(ColumnListUpdates, MakeTheRoutedMovesPermanent) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  const Move& move = GetParam();
  const int c = world.AddColumn(move.kind, move.army, move.place);
  ColumnEntry& column = form.ColumnTable[c];
  column.ColumnDestination = move.destination;
  column.ColumnHeading = move.heading;
  column.ColumnPlaceOwner = move.place_owner;
  column.ColumnStatus = move.status;
  if (move.routed) column.ColumnRoute[0] = "10000.00 72000.00 20.00 ";
  const int enemy = world.AddColumn("Armor.2-Panzer", "2", "Carrow_Bridge");
  form.ColumnTable[enemy].ColumnDestination = "Isle";
  UpdateColumnList(form);
  EXPECT_EQ(world.CampaignFile("columns.tavrek").substr(0, std::string(move.stored).size() + 2),
            std::string(move.stored) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ColumnListUpdates,
    ::testing::Values(
        Move{"FreeColumnMoves", "Vehicles.Truck", "1", "Alden", "Alden_Airfield", "1", "1", "",
             true, "0_Chief Vehicles.Truck 1 @Alden_Airfield $Unit ~A"},
        Move{"PushedColumnStays", "Vehicles.Truck", "1", "Alden", "Alden_Airfield", "2", "1", "",
             true, "0_Chief Vehicles.Truck 1 @Alden $Unit ~A"},
        Move{"RetreatingColumnMoves", "Vehicles.Truck", "1", "Alden", "Alden_Airfield", "2", "1",
             "R", true, "0_Chief Vehicles.Truck 1 @Alden_Airfield $Unit ~A"},
        Move{"TrucksAloneWithEnemyArmourAreLost", "Vehicles.Truck", "1", "Isle", "Isle_Ferry", "1",
             "0", "Y", true, "0_Chief Vehicles.Truck 1 @Blank $Unit ~X"},
        Move{"ContestedShipMovesWhenNoEnemyHeadsThere", "Ships.Destroyer", "1", "North_Sea",
             "Bexley_Harbor", "1", "0", "", true,
             "0_Chief Ships.Destroyer 1 @Bexley_Harbor $Unit ~A"},
        Move{"ContestedShipStaysWhenAnEnemyHeadsThere", "Ships.Destroyer", "1", "North_Sea", "Isle",
             "1", "0", "", true, "0_Chief Ships.Destroyer 1 @North_Sea $Unit ~A"},
        Move{"ArmourNotYetInServiceWaits", "Armor.3-Tiger", "2", "Bexley", "Bexley", "2", "2", "Y",
             true, "0_Chief Armor.3-Tiger 2 @Future $Unit ~X"},
        Move{"NoRouteNoStatusLeavesTheMap", "Vehicles.Truck", "1", "Alden", "Alden", "1", "1", "",
             false, "0_Chief Vehicles.Truck 1 @Blank $Unit ~X"},
        Move{"AnEngagedColumnWithoutRouteStays", "Vehicles.Truck", "1", "Alden", "Alden", "1", "1",
             "Y", false, "0_Chief Vehicles.Truck 1 @Alden $Unit ~A"},
        Move{"AShortDestinationIsNone", "Vehicles.Truck", "1", "Alden", "X", "1", "1", "", true,
             "0_Chief Vehicles.Truck 1 @Blank $Unit ~X"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateColumnList, OwnTroopsSaveTrucksFromEnemyArmourAndCarriedColumnsAreMarked) {
  LogisticsWorld world;
  TMainForm& form = *world.form;
  world.At("Isle").TerritoryStrength[1] = 1;
  const int trucks = world.AddColumn("Vehicles.Truck", "1", "Isle");
  form.ColumnTable[trucks].ColumnPlaceOwner = "0";
  form.ColumnTable[trucks].ColumnStatus = "Y";
  const int enemy = world.AddColumn("Armor.2-Panzer", "2", "Carrow_Bridge");
  form.ColumnTable[enemy].ColumnDestination = "Isle";
  form.ColumnTable[enemy].ColumnRoute[0] = "1.00 1.00 20.00 ";
  const int carried = world.AddColumn("Armor.3-Sherman", "1", "1_Chief");
  UpdateColumnList(form);
  EXPECT_EQ(form.ColumnTable[trucks].ColumnPlace, "Isle");
  EXPECT_EQ(form.ColumnTable[enemy].ColumnPlace, "Isle");
  EXPECT_EQ(form.ColumnTable[carried].ColumnMarks, "T");
  EXPECT_THAT(world.CampaignFile("columns.tavrek"),
              HasSubstr("2_Chief Armor.3-Sherman 1 @1_Chief $Unit ~T\r\n"));
}

}  // namespace

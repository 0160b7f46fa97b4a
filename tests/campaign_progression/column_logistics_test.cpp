#include "campaign_progression/column_logistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Every equipment train of the side at the town serves the first armour column there that
// asks, wherever the train stands in the table, and then no other.
TEST(ColumnLocation, EachEquipmentTrainRefillsTheFirstArmourColumnOfItsSideAtItsTown) {
  struct Column {
    const char* type;
    const char* side;
    const char* place;
    const char* type_after;  // without the name and the side
    int resupplies;          // lines logged for the column
  };
  struct Case {
    const char* name;
    std::vector<Column> columns;
  };
  const char* train = "Trains.US_EquipmentTrain";
  const char* german_train = "Trains.GermanyEquipmentTrain_Equipment";
  const Case cases[] = {
      {"train first",
       {{train, "1", "Alden_Station", train, 0},
        {"Armor.1-Sherman", "1", "Alden", "Armor.3-Sherman", 1},
        {"Armor.2-Sherman", "1", "Alden", "Armor.2-Sherman", 0}}},
      {"train between",
       {{"Armor.1-Sherman", "1", "Alden", "Armor.3-Sherman", 1},
        {train, "1", "Alden_Station", train, 0},
        {"Armor.2-Sherman", "1", "Alden", "Armor.2-Sherman", 0}}},
      {"train last",
       {{"Armor.1-Sherman", "1", "Alden", "Armor.3-Sherman", 1},
        {"Armor.2-Sherman", "1", "Alden", "Armor.2-Sherman", 0},
        {train, "1", "Alden_Station", train, 0}}},
      {"two trains serve the first",
       {{"Armor.1-Sherman", "1", "Alden", "Armor.3-Sherman", 2},
        {train, "1", "Alden_Station", train, 0},
        {"Armor.2-Sherman", "1", "Alden", "Armor.2-Sherman", 0},
        {train, "1", "Alden_Station", train, 0}}},
      {"train of the other side",
       {{german_train, "2", "Alden_Station", german_train, 0},
        {"Armor.1-Sherman", "1", "Alden", "Armor.1-Sherman", 0}}},
      {"train at another town",
       {{train, "1", "Bexley_Rail_Station", train, 0},
        {"Armor.1-Sherman", "1", "Alden", "Armor.1-Sherman", 0}}},
      {"no train", {{"Armor.1-Sherman", "1", "Alden", "Armor.1-Sherman", 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LogisticsWorld world;
    TMainForm& form = *world.form;
    form.ReinforcementChance = {0, 0};
    world.At("Alden_Rail_Station").LocationName = "Alden_Station";
    std::vector<int> indices;
    for (const Column& column : c.columns) {
      indices.push_back(world.AddColumn(column.type, column.side, column.place));
    }
    ColumnLocation(form, "No");
    for (size_t i = 0; i < indices.size(); ++i) {
      const std::string name = std::to_string(indices[i]) + "_Chief";
      EXPECT_EQ(world.Column(indices[i]).ColumnType,
                name + " " + c.columns[i].type_after + " " + c.columns[i].side)
          << i;
      const std::string line = "] " + name + " resupplied.\r\n";
      int logged = 0;
      for (size_t at = form.ErrorText.find(line); at != std::string::npos;
           at = form.ErrorText.find(line, at + 1)) {
        ++logged;
      }
      EXPECT_EQ(logged, c.columns[i].resupplies) << i;
    }
  }
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

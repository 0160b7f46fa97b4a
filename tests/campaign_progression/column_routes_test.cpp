#include "campaign_progression/column_routes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "campaign_data/column_file.h"
#include "campaign_data/random_generator.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/column_routing.h"
#include "campaign_progression/ground_combat.h"
#include "campaign_progression/route_sections.h"
#include "platform/errors.h"
#include "platform/file_read_cache.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Riverland held by its sides; the player flies for the Allies.
struct RoutesWorld : RiverlandWorld {
  explicit RoutesWorld(std::vector<std::string> command_line = {"tavrek"})
      : RiverlandWorld(std::move(command_line)) {
    Hold({{"Bexley", "2", 0, 20},
          {"Bexley_Airstrip", "2", 0, 0},
          {"Bexley_Harbor", "2", 0, 0},
          {"Bexley_Rail_Station", "2", 0, 0},
          {"North_Sea", "2", 0, 0},
          {"Carrow_Bridge", "0", 0, 0}});
    form->SquadronTable[0].SquadronArmy = "1";
    form->OilSupply = {100, 100};
  }
  const ColumnEntry& Column(int c) const { return form->ColumnTable[c]; }
};

TEST(ColumnRoads, AColumnRetreatsOnlyWhenTheEnemyIsMoreThanSixTimesStronger) {
  for (const int allied_attack : {600, 601}) {
    RoutesWorld world;
    TMainForm& form = *world.form;
    world.At("Bexley").LocationCombat = {allied_attack, 1, 1, 100};
    const int first = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
    const int second = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
    const int held = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
    form.ColumnTable[held].ColumnStatus = "L";
    ColumnRoads(form);
    SCOPED_TRACE(allied_attack);
    if (allied_attack == 600) {
      EXPECT_EQ(world.At("Bexley").LocationArmy, "2");
      EXPECT_EQ(form.CampaignNews, "");
      continue;
    }
    for (const int c : {first, second}) {
      EXPECT_EQ(world.Column(c).ColumnStatus, "R");
      EXPECT_EQ(world.Column(c).ColumnHeading, "1");
      EXPECT_EQ(world.Column(c).ColumnPlaceOwner, "2");
      // Heading "1" takes it back along the road it came by.
      EXPECT_EQ(world.Column(c).ColumnDestination, "Carrow_Bridge");
    }
    EXPECT_EQ(world.Column(held).ColumnStatus, "L");
    EXPECT_EQ(world.At("Bexley").LocationArmy, "1");
    EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 0);
    EXPECT_EQ(form.CampaignNews, "21: Axis army retreats from Bexley (D-6). ");
    EXPECT_EQ(form.CampaignNewsRu, "ru21: Axis army retreats from Bexley (D-6). ");
  }
}

TEST(ColumnRoads, NoRetreatInANewCampaignOrFromAFerry) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.At("Bexley").LocationCombat = {1000, 1, 1, 1};
  world.At("Alden_Ferry").LocationCombat = {1, 1, 1000, 1};
  world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden_Ferry");
  form.NewCampaignFlag = "Y";
  ColumnRoads(form);
  EXPECT_NE(world.Column(0).ColumnStatus, "R");
  form.NewCampaignFlag = "N";
  world.At("Bexley").LocationCombat = {1, 1, 1, 1};
  ColumnRoads(form);
  EXPECT_NE(world.Column(1).ColumnStatus, "R");
}

TEST(ColumnRoads, FiveColumnsOfASideNearTheFrontMakeNewsFourDoNot) {
  for (const int columns : {4, 5}) {
    RoutesWorld world;
    TMainForm& form = *world.form;
    for (int c = 0; c < columns; ++c) world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden");
    ColumnRoads(form);
    if (columns == 4) {
      EXPECT_EQ(form.CampaignNews, "");
    } else {
      EXPECT_EQ(form.CampaignNews, "23: Allied army gathers at Alden (B-6). ");
    }
  }
}

TEST(ColumnRoads, OverwhelmingArmourSeizesTheContestedPlace) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.At("Carrow_Bridge").LocationCombat = {1, 1, 70, 10};
  const int tanks = world.AddColumn("Armor.2-Panzer", "2", "Carrow_Bridge");
  const int held = world.AddColumn("Vehicles.USACarsColumnA", "1", "Carrow_Bridge");
  form.ColumnTable[tanks].ColumnStatus = "Y";
  form.ColumnTable[held].ColumnStatus = "L";  // a held column does not retreat
  ColumnRoads(form);
  EXPECT_EQ(world.At("Carrow_Bridge").LocationArmy, "2");
  EXPECT_EQ(world.At("Carrow_Bridge").TerritoryStrength[2], 0);
  EXPECT_THAT(form.CampaignNews, HasSubstr("7: Axis army took Carrow_Bridge (C-6). "));
}

// The first section leaving the place in the heading's direction gives the destination; a
// later one takes over on a draw of 0 when its place has no broken bridge.
TEST(ColumnRoads, TheDestinationIsTheFirstWayOutOrALaterOneOnADraw) {
  bool first_way = false;
  bool later_way = false;
  for (std::uint32_t n = 1; n <= 8; ++n) {
    const std::uint32_t seed = n * 2654435761u;
    for (const int bridge : {0, 1}) {
      RoutesWorld world;
      TMainForm& form = *world.form;
      world.At("Alden_Depot").LocationBridgeState = bridge;
      const int trucks = world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden");
      form.Rand.SetSeed(seed);
      RandomGenerator replay;
      replay.SetSeed(seed);
      replay.Random(2);
      const bool later = replay.Random(2) == 0 && bridge == 0;
      ColumnRoads(form);
      SCOPED_TRACE("seed " + std::to_string(seed) + " bridge " + std::to_string(bridge));
      EXPECT_EQ(world.Column(trucks).ColumnDestination, later ? "Alden_Depot" : "Alden_Airfield");
      EXPECT_EQ(world.Column(trucks).ColumnDestinationOwner, "1");
      first_way = first_way || !later;
      later_way = later_way || later;
    }
  }
  EXPECT_TRUE(first_way);
  EXPECT_TRUE(later_way);
}

// A land column standing where earlier columns of another side are heading turns the way the
// last of them heads and its place is contested; columns of its own side, later columns and
// columns heading elsewhere change nothing, nor does anything change a ship.
TEST(ColumnRoads, AColumnWhereAnEarlierEnemyIsHeadingTurnsTheWayTheLastOfThemHeads) {
  struct Earlier {
    const char* side;
    const char* destination;
  };
  struct Case {
    const char* name;
    std::vector<Earlier> before;
    std::vector<Earlier> after;
    const char* type;
    const char* heading;  // of the column at Alden, side 1
    const char* place_owner;
  };
  const char* trucks = "Vehicles.USACarsColumnA";
  const Case cases[] = {
      {"an enemy heading there", {{"2", "Alden"}}, {}, trucks, "2", "0"},
      {"the last of two enemies",
       {{"2", "Alden"}, {"3", "Alden"}, {"1", "Alden"}},
       {},
       trucks,
       "3",
       "0"},
      {"an enemy heading elsewhere", {{"2", "Bexley"}}, {}, trucks, "1", "1"},
      {"a friend heading there", {{"1", "Alden"}}, {}, trucks, "1", "1"},
      {"an enemy after it", {}, {{"2", "Alden"}}, trucks, "1", "1"},
      {"a ship", {{"2", "Alden"}}, {}, "Ships.USA_Destroyer", "1", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RoutesWorld world;
    TMainForm& form = *world.form;
    form.NewCampaignFlag = "Y";
    // Columns heading neither way keep the destination they are given.
    const auto add_bound = [&](const Earlier& other) {
      const int k = world.AddColumn(trucks, other.side, "Carrow_Bridge");
      form.ColumnTable[k].ColumnDestination = other.destination;
      form.ColumnTable[k].ColumnHeading = "0";
    };
    for (const Earlier& other : c.before) add_bound(other);
    const int column = world.AddColumn(c.type, "1", "Alden");
    for (const Earlier& other : c.after) add_bound(other);
    ColumnRouting routing(form);
    routing.ChooseDestinations();
    EXPECT_EQ(world.Column(column).ColumnHeading, c.heading);
    EXPECT_EQ(world.Column(column).ColumnPlaceOwner, c.place_owner);
  }
}

TEST(ColumnRoads, AMissingRouteFileOfAnyKindTakesTheFatalErrorPath) {
  struct Case {
    const char* file;
    const char* kind;
    const char* message;
  };
  for (const Case& c : {Case{"Riverland.srd", "Ships.Destroyer", "No sea route file."},
                        Case{"Riverland.rls", "Trains.Cargo", "No rail route file."},
                        Case{"Riverland.rds", "Vehicles.Truck",
                             "No route file (.rds) was found for the map Riverland."}}) {
    SCOPED_TRACE(c.file);
    {
      RoutesWorld world;
      TMainForm& form = *world.form;
      std::filesystem::remove(world.program_folder.Path() + "data/" + c.file);
      world.AddColumn(c.kind, "2", "Bexley");
      try {
        ColumnRoads(form);
        FAIL() << "no error";
      } catch (const ProgramError& error) {
        EXPECT_THAT(error.what(), HasSubstr(c.message));
      }
    }
    RoutesWorld world({"tavrek", "netcoop"});
    TMainForm& form = *world.form;
    std::filesystem::remove(world.program_folder.Path() + "data/" + c.file);
    world.AddColumn(c.kind, "2", "Bexley");
    ColumnRoads(form);
    EXPECT_TRUE(form.Closed);
    EXPECT_THAT(form.ErrorText, HasSubstr(c.message));
  }
}

TEST(ColumnRoads, OneColumnCrossesByFerryAPassTheOthersWait) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  const int first = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Alden_Ferry");
  const int second = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Alden_Ferry");
  ColumnRoads(form);
  EXPECT_EQ(world.Column(first).ColumnStatus, "F");
  EXPECT_EQ(world.Column(first).ColumnMarks, "F");
  EXPECT_EQ(world.Column(second).ColumnStatus, "L");
  EXPECT_THAT(form.ErrorText, HasSubstr("] 0_Chief Vehicles.JapanCarsColumnB 2 is on a ferry."));
  EXPECT_THAT(form.ErrorText,
              HasSubstr("] 1_Chief Vehicles.JapanCarsColumnB 2 is waiting for a ferry."));
  // The crossing: the boat in the chiefs section and its own road, points 3 to 5 of the way.
  EXPECT_THAT(form.ColumnChiefsText, HasSubstr("  0_Chief_Ferry Ships.MFP 2 0 0 1.0\r\n"));
  EXPECT_THAT(form.ColumnRoadText,
              HasSubstr("[0_Chief_Ferry_Road]\r\n  10000.00 63750.00 20.00 0 3 2.50\r\n  "
                        "10000.00 65000.00 20.00 \r\n  10000.00 66250.00 20.00 \r\n"));
  EXPECT_THAT(form.ColumnChiefsText, Not(HasSubstr("0_Chief Vehicles")));
  EXPECT_EQ(world.Column(first).ColumnInMission, "Y");
}

TEST(ColumnRoads, ABrokenBridgeHoldsAColumnThatIsNotFighting) {
  for (const char* status : {"", "Y"}) {
    RoutesWorld world;
    TMainForm& form = *world.form;
    world.At("Isle").LocationBridgeState = 1;
    world.At("Isle_Ferry").LocationBridgeState = 1;
    const int trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Isle_Ferry");
    form.ColumnTable[trucks].ColumnStatus = status;
    ColumnRoads(form);
    SCOPED_TRACE(status);
    if (std::string(status).empty()) {
      EXPECT_EQ(world.Column(trucks).ColumnStatus, "L");
      EXPECT_EQ(world.Column(trucks).ColumnDestination, "Isle_Ferry");
      EXPECT_THAT(form.ErrorText, HasSubstr(" does not advance due to damaged bridge or "
                                            "blocked route.\r\n"));
    } else {
      EXPECT_EQ(world.Column(trucks).ColumnStatus, "Y");
      EXPECT_EQ(world.Column(trucks).ColumnMarks, "C");
    }
  }
}

TEST(ColumnRoads, TheSecondOfTwoTrainsOnOneTrackDoesNotSpawn) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  const int first = world.AddColumn("Trains.Cargo", "2", "Bexley_Rail_Station");
  const int second = world.AddColumn("Trains.Cargo", "2", "Bexley_Rail_Station");
  ColumnRoads(form);
  EXPECT_EQ(world.Column(first).ColumnDestination, "Alden_Rail_Station");
  EXPECT_EQ(world.Column(second).ColumnDestination, "Bexley_Rail_Station");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("] 1_Chief Trains.Cargo 2 does not spawn due to possible collision.\r\n"));
  EXPECT_EQ(world.Column(second).ColumnRoute[0], "");
}

TEST(ColumnRoads, ShipsAtOnePlaceSailInFormation) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  for (int s = 0; s < 26; ++s) world.AddColumn("Ships.Destroyer", "2", "North_Sea");
  ColumnRoads(form);
  EXPECT_EQ(world.Column(0).ColumnRoute[1], "30000.00 42500.00 0.00 ");
  EXPECT_EQ(world.Column(1).ColumnRoute[1], "29900.00 41500.00 0.00 ");   // second: (0, -1)
  EXPECT_EQ(world.Column(24).ColumnRoute[1], "27300.00 45200.00 0.00 ");  // 25th: (-1, 1) x 3
  EXPECT_EQ(world.Column(25).ColumnRoute[1], "30000.00 42500.00 0.00 ");
  EXPECT_EQ(world.Column(0).ColumnRoute[0], "30000.00 40000.00 0.00 0 3 8.00");
}

TEST(ColumnRoads, ArmourShortOfFuelStaysAndIsLeftOutOfTheMission) {
  for (std::uint32_t n = 1; n <= 6; ++n) {
    const std::uint32_t seed = n * 2654435761u;
    RoutesWorld world;
    TMainForm& form = *world.form;
    form.OilSupply = {0, 100};
    const int tanks = world.AddColumn("Armor.3-Sherman", "1", "Isle");
    form.Rand.SetSeed(seed);
    RandomGenerator replay;
    replay.SetSeed(seed);
    replay.Random(2);  // the way out of the Isle
    const bool short_of_fuel = replay.Random(100) > 0;
    ColumnRoads(form);
    const ColumnEntry& column = world.Column(tanks);
    SCOPED_TRACE("seed " + std::to_string(seed));
    if (short_of_fuel) {
      EXPECT_EQ(column.ColumnStatus, "X");
      EXPECT_EQ(column.ColumnMobile, "N");
      EXPECT_EQ(column.ColumnDestination, "Isle");
      EXPECT_EQ(column.ColumnInMission, "");
      EXPECT_EQ(form.ColumnChiefsText, "[Chiefs]\r\n");
      EXPECT_THAT(form.ErrorText, HasSubstr("] 0_Chief is short on fuel.\r\n"));
    } else {
      EXPECT_EQ(column.ColumnDestination, "Isle_Ferry");
      EXPECT_EQ(column.ColumnInMission, "Y");
    }
  }
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.AddColumn("Armor.3-Sherman", "1", "Isle");
  ColumnRoads(form);
  EXPECT_EQ(form.ColumnTable[0].ColumnStatus, "");
}

TEST(ColumnRoads, ARetreatTakesTheEndOfTheRouteNearestItsPlace) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  // An Allied column retreating along two points keeps none; an Axis one keeps both.
  world.At("Alden_Depot").LocationCombat = {1, 1, 100, 1};
  world.At("Isle").LocationCombat = {100, 1, 1, 1};
  const int allied = world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden_Depot");
  const int axis = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Isle");
  ColumnRoads(form);
  EXPECT_EQ(world.Column(allied).ColumnStatus, "R");
  EXPECT_EQ(world.Column(allied).ColumnRoute[0], "");
  EXPECT_EQ(world.Column(allied).ColumnLastRoutePoint, -1);
  EXPECT_EQ(world.Column(axis).ColumnRoute[0], "10000.00 72000.00 20.00 0 2 2.50");
  EXPECT_EQ(world.Column(axis).ColumnRoute[1], "10000.00 70000.00 20.00 ");
}

TEST(ColumnRoads, ATwoPointRouteShorterThan121MetresIsStretched) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/Riverland.rds",
                             JoinLinesCrLf({"[Isle to Isle_Ferry]", "10000.00 72000.00 120.00",
                                            "10030.00 72040.00 120.00"}));
  const int trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Isle");
  ColumnRoads(form);
  EXPECT_EQ(world.Column(trucks).ColumnRoute[1], "10273.00 72364.00 20.00 ");
}

TEST(ColumnRoads, TheMissionSectionsOfAColumnOnTheMove) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  // An Allied column in the Axis town heads back over the bridge: the road's points in reverse,
  // the marked point on the bridge kept once the route has begun.
  world.AddColumn("Vehicles.USACarsColumnA", "1", "Bexley");
  ColumnRoads(form);
  EXPECT_EQ(form.ColumnChiefsText,
            "[Chiefs]\r\n  0_Chief Vehicles.JapanCarsColumnB 2\r\n"
            "  1_Chief Vehicles.USACarsColumnA 1\r\n");
  EXPECT_EQ(form.ColumnRoadText,
            "[0_Chief_Road]\r\n  30000.00 50000.00 20.00 0 3 2.50\r\n"
            "  31000.00 51000.00 20.00 \r\n  32000.00 52000.00 20.00 \r\n"
            "[1_Chief_Road]\r\n  30000.00 50000.00 20.00 0 6 2.50\r\n"
            "  28000.00 50000.00 20.00 \r\n  26000.00 50000.00 20.00 \r\n"
            "  24000.00 50000.00 20.00 \r\n  22000.00 50000.00 -20.00 \r\n"
            "  20000.00 50000.00 20.00 \r\n");
  EXPECT_EQ(form.RoutePointMark[1], "Y");
  EXPECT_EQ(form.ColumnTable[0].ColumnLastRoutePoint, 2);
  EXPECT_EQ(form.ColumnTable[0].ColumnInMission, "Y");
  EXPECT_THAT(form.ErrorText, HasSubstr("] Creating column paths.\r\n"));
}

TEST(ColumnRoads, DensityRadiusAndTheCustomMissionDecideWhichColumnsAppear) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  form.ColumnDensityLevel = 99;
  form.ActionRadiusKm = 1;
  const int trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  const int tanks = world.AddColumn("Armor.2-Panzer", "2", "Bexley");
  const int ship = world.AddColumn("Ships.Destroyer", "2", "North_Sea");
  form.MissionRadio.ItemIndex = 8;  // Tank Busting
  ColumnRoads(form);
  EXPECT_EQ(world.Column(trucks).ColumnInMission, "");
  EXPECT_EQ(world.Column(tanks).ColumnInMission, "Y");
  EXPECT_EQ(world.Column(ship).ColumnInMission, "Y");
  form.MissionRadio.ItemIndex = 0;
  form.ColumnDensityLevel = 0;
  ColumnRoads(form);
  EXPECT_EQ(world.Column(trucks).ColumnInMission, "");  // too far from the front
  form.ActionRadiusKm = 250;
  ColumnRoads(form);
  EXPECT_EQ(world.Column(trucks).ColumnInMission, "Y");
}

TEST(ColumnRoads, ADogfightMissionGetsNoColumns) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  form.Dogfight.Checked = true;
  world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  ColumnRoads(form);
  EXPECT_EQ(form.ColumnChiefsText, "[Chiefs]\r\n");
  EXPECT_EQ(form.ColumnRoadText, "");
  EXPECT_EQ(world.Column(0).ColumnInMission, "");
}

// The work list of route points is used again column after column: a short route read after a
// longer, marked one carries none of its points or marks.
TEST(ColumnRoads, AShortRouteReadAfterALongerOneKeepsNothingOfIt) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.AddColumn("Vehicles.USACarsColumnA", "1", "Bexley");  // six points, the fifth marked
  const int trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  ColumnRoads(form);
  for (int w = 0; w < kColumnRouteCapacity; ++w) {
    EXPECT_EQ(form.RoutePointMark[w], "") << "work point " << w;
  }
  const ColumnEntry& column = world.Column(trucks);
  EXPECT_EQ(column.ColumnLastRoutePoint, 2);
  for (int w = 0; w < 3; ++w) EXPECT_THAT(column.ColumnRoute[w], Not(HasSubstr("-"))) << w;
  for (int w = 3; w < kColumnRouteCapacity; ++w) EXPECT_EQ(column.ColumnRoute[w], "") << w;
}

TEST(ColumnRoads, ArmourStartingAtOnePlaceSpreadsOut) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  const int first = world.AddColumn("Armor.2-Panzer", "2", "Bexley");
  const int second = world.AddColumn("Armor.2-Panzer", "2", "Bexley");
  ColumnRoads(form);
  EXPECT_THAT(world.Column(first).ColumnRoute[0],
              ::testing::StartsWith("30000.00 50000.00 20.00 "));
  EXPECT_THAT(world.Column(second).ColumnRoute[0], Not(::testing::StartsWith("30000.00 50000.00")));
  EXPECT_THAT(form.ErrorText, HasSubstr("] Offset armor's first waypoint.\r\n"));
  EXPECT_THAT(form.ErrorText, HasSubstr("] Check/Fix Distance between waypoints.\r\n"));
}

}  // namespace

namespace {

// Damaged route and column files: every bad line is logged with its file and line, the rest
// of the campaign goes on.
TEST(ColumnRoads, GarbageRouteAndColumnFilesAreLoggedAndSkipped) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/Riverland.rds",
      JoinLinesCrLf({"[Alden to Carrow_Bridge]", "10000.00 50000.00 120.00", "garbage here",
                     "12000.00", "[Broken header", "[Carrow_Bridge to Nowhere]",
                     "20000.00 50000.00 120.00", "\x01\xfe\xff"}));
  world.campaign.Write("columns.tavrek",
                       JoinLinesCrLf({"0_Chief Vehicles.JapanCarsColumnB 2 @Alden $Trucks ~A",
                                      "1_Chief Vehicles.Truck 7 @Alden $Odd ~A",
                                      "2_Chief Armor.3-Sherman 1 @Nowhere $Lost ~A", "@@@ $$$ ~~~",
                                      "3_Chief Vehicles.Truck 2 @Carrow_Bridge"}));
  ColumnList(form);
  ColumnLocation(form, "Yes");
  DetermineRetreat(form);
  ColumnRoads(form);
  UpdateColumnList(form);
  const std::string rds = "riverland.rds";
  EXPECT_THAT(form.ErrorText, HasSubstr(rds + ", line 3: \"garbage here\" is no route point"));
  EXPECT_THAT(form.ErrorText, HasSubstr(rds + ", line 4: \"12000.00\" is no route point"));
  EXPECT_THAT(form.ErrorText, HasSubstr(rds + ", line 5: \"[Broken header\" names no route"));
  EXPECT_THAT(form.ErrorText, HasSubstr(rds + ", line 8: "));
  // A column at a place the map lacks goes to the reserve and comes back at a known place.
  EXPECT_THAT(form.ErrorText, HasSubstr("Column 2_Chief of columns.tavrek stands at Nowhere, "
                                        "which is no place of the map; it goes to the reserve."));
  EXPECT_NE(form.ColumnTable[2].ColumnPlace, "Nowhere");
  EXPECT_THAT(world.CampaignFile("columns.tavrek"),
              HasSubstr("0_Chief Vehicles.JapanCarsColumnB 2 @"));
}

}  // namespace

namespace {

std::vector<int> Listed(std::span<const int> sections) {
  return std::vector<int>(sections.begin(), sections.end());
}

std::vector<std::string> PointTexts(const RouteSection& section) {
  std::vector<std::string> texts;
  for (const RoutePoint& point : section.points) {
    texts.push_back(std::string(point.x) + " " + std::string(point.y) + " " + std::string(point.z));
  }
  return texts;
}

// Each section keeps its own points in file order, also around a broken header and a bad point,
// and the look-ups by place answer the sections in file order.
TEST(RouteSections, SectionsKeepTheirPointsAndArePlacedByTheirEnds) {
  RoutesWorld world;
  const std::string path = world.program_folder.Write(
      "data/Sections.rds",
      JoinLinesCrLf({"[Alden to Bexley]", "1.00 2.00 3.00", "4.00 5.00 6.00", "[Broken header",
                     "7.00 8.00 9.00", "[Bexley to Carrow]", "10.00 11.00 12.00", "bad point", "",
                     "13.00 14.00 15.00 16.00", "[Alden to Carrow]", "[Alden to Dorne]",
                     "17.00 18.00 19.00"}));
  const RouteSections routes(*world.form, path);
  const std::vector<RouteSection>& sections = routes.Sections();
  ASSERT_EQ(sections.size(), 4u);
  const std::vector<std::pair<std::string, std::string>> ends{
      {"Alden", "Bexley"}, {"Bexley", "Carrow"}, {"Alden", "Carrow"}, {"Alden", "Dorne"}};
  for (size_t s = 0; s < ends.size(); ++s) {
    EXPECT_EQ(sections[s].from, ends[s].first);
    EXPECT_EQ(sections[s].to, ends[s].second);
  }
  using Points = std::vector<std::string>;
  EXPECT_EQ(PointTexts(sections[0]), (Points{"1.00 2.00 3.00", "4.00 5.00 6.00"}));
  EXPECT_EQ(PointTexts(sections[1]), (Points{"10.00 11.00 12.00", "13.00 14.00 15.00"}));
  EXPECT_TRUE(sections[2].points.empty());
  EXPECT_EQ(PointTexts(sections[3]), (Points{"17.00 18.00 19.00"}));
  EXPECT_EQ(Listed(routes.From("Alden")), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(Listed(routes.To("Carrow")), (std::vector<int>{1, 2}));
  EXPECT_TRUE(routes.From("Dorne").empty());
  EXPECT_EQ(Listed(routes.From("Bexley")), (std::vector<int>{1}));
  EXPECT_EQ(Listed(routes.To("Dorne")), (std::vector<int>{3}));
  EXPECT_THAT(world.form->ErrorText, HasSubstr("Sections.rds, line 4: \"[Broken header\""));
  EXPECT_THAT(world.form->ErrorText, HasSubstr("Sections.rds, line 8: \"bad point\""));
}

}  // namespace

namespace {

// The cache answers what a fresh read of the file answers, logs the bad lines at every use as a
// fresh read does, and reads a file written since anew (here one of the same size).
TEST(RouteFileCache, AnswersAsAFreshReadAlsoAfterTheFileChanges) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  const auto write = [&world](const std::string& second_section) {
    return world.program_folder.Write("data/Cached.rds",
                                      JoinLinesCrLf({"[Alden to Bexley]", "1.00 2.00 3.00", "odd",
                                                     second_section, "4.00 5.00 6.00"}));
  };
  const auto expect_as_fresh = [&form](const RouteSections& cached, const std::string& path) {
    const RouteSections fresh(form, path);
    ASSERT_EQ(cached.Sections().size(), fresh.Sections().size());
    for (size_t s = 0; s < fresh.Sections().size(); ++s) {
      EXPECT_EQ(cached.Sections()[s].from, fresh.Sections()[s].from);
      EXPECT_EQ(cached.Sections()[s].to, fresh.Sections()[s].to);
      EXPECT_EQ(PointTexts(cached.Sections()[s]), PointTexts(fresh.Sections()[s]));
    }
  };
  const std::string path = write("[Bexley to Carrow]");
  const RouteFileScope operation(form.ParsedRouteFiles);
  const auto first = form.ParsedRouteFiles.Sections(form, path);
  const auto again = form.ParsedRouteFiles.Sections(form, path);
  EXPECT_EQ(first, again);
  expect_as_fresh(*again, path);
  EXPECT_EQ(Listed(again->From("Bexley")), (std::vector<int>{1}));
  // Two uses and the fresh read each logged the bad line.
  const std::string problem = "Cached.rds, line 3: \"odd\" is no route point";
  size_t logged = 0;
  for (size_t at = form.ErrorText.find(problem); at != std::string::npos;
       at = form.ErrorText.find(problem, at + 1)) {
    ++logged;
  }
  EXPECT_EQ(logged, 3u);

  write("[Bexley to Dorne]");
  const auto changed = form.ParsedRouteFiles.Sections(form, path);
  EXPECT_NE(changed, first);
  expect_as_fresh(*changed, path);
  EXPECT_EQ(changed->Sections()[1].to, "Dorne");
  EXPECT_TRUE(changed->To("Carrow").empty());
}

// Files are kept only while a scope is open: outside one every use reads the file, an inner
// scope's end keeps what the outer one read, and the last scope's end forgets it.
TEST(RouteFileCache, KeepsFilesOnlyWhileAnOperationRuns) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  RouteFileCache& cache = form.ParsedRouteFiles;
  const std::string path = world.program_folder.Write(
      "data/Scoped.rds", JoinLinesCrLf({"[Alden to Bexley]", "1.00 2.00 3.00"}));

  const auto outside = cache.Sections(form, path);
  EXPECT_NE(cache.Sections(form, path), outside);
  std::shared_ptr<const RouteSections> kept;
  {
    const RouteFileScope operation(cache);
    kept = cache.Sections(form, path);
    EXPECT_NE(kept, outside);
    {
      const RouteFileScope step(cache);
      EXPECT_EQ(cache.Sections(form, path), kept);
    }
    EXPECT_EQ(cache.Sections(form, path), kept);
  }
  const auto after = cache.Sections(form, path);
  EXPECT_NE(after, kept);
  ASSERT_EQ(after->Sections().size(), 1u);
  EXPECT_EQ(after->Sections()[0].to, "Bexley");
  {
    const RouteFileScope next_operation(cache);
    EXPECT_NE(cache.Sections(form, path), kept);
  }
}

// Within an operation a route file is parsed from the lines the operation's file reads hold, so
// a file read already is not read again; one file under two spellings of its path is one entry,
// logged under the spelling of each use; and the sections stay whole after the operation ends.
TEST(RouteFileCache, ParsesTheLinesTheOperationReadAndOutlivesIt) {
  RoutesWorld world;
  TMainForm& form = *world.form;
  const std::string path = world.program_folder.Write(
      "data/Shared.rds", JoinLinesCrLf({"[Alden to Bexley]", "1.00 2.00 3.00", "odd",
                                        "[Bexley to Carrow]", "4.00 5.00 6.00"}));
  const std::string other_spelling = world.program_folder.Path() + "DATA\\shared.RDS";
  std::shared_ptr<const RouteSections> sections;
  {
    const FileReadScope read_once(form.FileReads);
    const RouteFileScope operation(form.ParsedRouteFiles);
    const std::shared_ptr<const TextLines> lines = form.FileReads.Lines(path);
    sections = form.ParsedRouteFiles.Sections(form, path);
    const std::string& bytes = lines->Bytes();
    for (const RouteSection& section : sections->Sections()) {
      for (const std::string_view text : {section.from, section.to, section.points[0].x}) {
        EXPECT_GE(text.data(), bytes.data()) << text;
        EXPECT_LE(text.data() + text.size(), bytes.data() + bytes.size()) << text;
      }
    }
    EXPECT_EQ(form.ParsedRouteFiles.Sections(form, other_spelling), sections);
    EXPECT_THAT(form.ErrorText, HasSubstr(path + ", line 3: \"odd\" is no route point"));
    EXPECT_THAT(form.ErrorText, HasSubstr(other_spelling + ", line 3: \"odd\" is no route point"));
  }
  ASSERT_EQ(sections->Sections().size(), 2u);
  EXPECT_EQ(sections->Sections()[1].from, "Bexley");
  EXPECT_EQ(PointTexts(sections->Sections()[0]), (std::vector<std::string>{"1.00 2.00 3.00"}));
  EXPECT_EQ(PointTexts(sections->Sections()[1]), (std::vector<std::string>{"4.00 5.00 6.00"}));
}

}  // namespace

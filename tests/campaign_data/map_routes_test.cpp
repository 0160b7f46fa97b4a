#include "campaign_data/map_routes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/random_generator.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/lakeland_map.h"

namespace {

using ::testing::HasSubstr;

struct ExpectedLocation {
  int index;
  const char* name;
  const char* position;
  const char* off_map;
};

TEST(TargetLocations, BuildsTheMapFromItsRoadRailAndSeaRoutes) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  TargetLocations(form);

  const std::vector<ExpectedLocation> expected{
      {kAston, "Aston", "10000.00 20000.00", ""},
      // The reverse route gives Birchford the first waypoint of its own section.
      {kBirchford, "Birchford", "20000.00 20100.00", ""},
      // A bridge stands at the third waypoint of the route that leaves it.
      {kMillBridge, "Mill_Bridge", "30000.00 20000.00", ""},
      {kCarlowAirfield, "Carlow_Airfield", "50000.00 20000.00", ""},
      {kDunmoreAirfield, "Dunmore_Airfield", "2000.00 30000.00", ""},
      // Only a destination: the last waypoint of the first section ending there.
      {kEastportHarbor, "Eastport_Harbor", "60000.00 15000.00", ""},
      {kRedcliffBeachhead, "Redcliff_Beachhead", "2500.00 31000.00", ""},
      {kFarawayAirfield, "Faraway_Airfield", "20000.00 90000.00", "Y"},
      // Rail-only and sea-only names follow every road name.
      {kWestRailEntry, "West_Rail_Entry", "1000.00 18000.00", ""},
      {kAstonStation, "Aston_Station", "10000.00 18000.00", ""},
      {kBirchfordRailyard, "Birchford_Railyard", "20000.00 18000.00", ""},
      {kEastRailEnd, "East_Rail_End", "70000.00 18000.00", ""},
      {kWestSea, "West_Sea", "500.00 5000.00", ""},
      {kNorthShipyard, "North_Shipyard", "30000.00 40000.00", ""},
      {kEastSea, "East_Sea", "80000.00 10000.00", ""},
  };
  ASSERT_EQ(form.LastLocation, kLakelandLocations - 1);
  for (const ExpectedLocation& location : expected) {
    SCOPED_TRACE(location.name);
    EXPECT_EQ(form.LocationTable[location.index].LocationName, location.name);
    EXPECT_EQ(form.LocationTable[location.index].LocationPosition, location.position);
    EXPECT_EQ(form.LocationTable[location.index].LocationOffMap, location.off_map);
  }
  EXPECT_EQ(form.FrontCenterIndex, kBirchford);
  EXPECT_EQ(form.FrontCenterPosition, "20000.00 20100.00");
  EXPECT_EQ(form.FrontCenterCoord, 20000);
  // Axis side West: Axis trains and ships enter at the smallest x of the route starts, Allied
  // ones at the largest x of the route ends; Eastport_Harbor, already a road location, still
  // competes as a destination but East_Sea lies further east.
  EXPECT_EQ(form.AxisRailEntry, "West_Rail_Entry");
  EXPECT_EQ(form.AlliedRailEntry, "East_Rail_End");
  EXPECT_EQ(form.AxisShipEntry, "West_Sea");
  EXPECT_EQ(form.AlliedShipEntry, "East_Sea");
  EXPECT_THAT(form.ErrorText, HasSubstr("] Target Locations processed.\r\n"));
}

TEST(TargetLocations, PatrolAreasTakeTheirReferencePointWhenOutOfRange) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  form.Rand.SetSeed(777);
  RandomGenerator replay;
  replay.SetSeed(777);
  TargetLocations(form);

  // Both areas lie more than 300 km from the front centre and from each other, so the random
  // first points give way to the reference points: the front centre moved into each box.
  const std::vector<std::string> expected{
      "Allied_Patrol", "",       "400000", "12000",  "400000",      "-8000",  "420000", "-8000",
      "420000",        "-28000", "400000", "12000",  "Axis_Patrol", "",       "15000",  "400000",
      "15000",         "380000", "-5000",  "380000", "-5000",       "400000", "15000",  "400000"};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(form.PatrolText[i], expected[i]) << "PatrolText[" << i << "]";
  }
  // Four draws: x and y of the second area's first point, then of the first area's.
  for (int draw = 0; draw < 4; ++draw) replay.Random(10);
  EXPECT_EQ(form.Rand.Seed(), replay.Seed());
}

TEST(TargetLocations, PatrolPointsAreDrawnInTheBoxSecondAreaFirst) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  // Two areas close to the front centre (20000, 20100).
  world.program_folder.Write(
      "data/Lakeland.prd",
      JoinLinesCrLf({"[Red_Sea_Lane]", "30000.00 10000.00", "60000.00 10000.00",
                     "60000.00 30000.00", "30000.00 30000.00", "[Blue_Sea_Lane]", "0.00 10000.00",
                     "10000.00 10000.00", "10000.00 50000.00", "0.00 50000.00"}));
  form.Rand.SetSeed(4242);
  RandomGenerator replay;
  replay.SetSeed(4242);
  const int blue_x = 0 + replay.Random(10000 - 0);
  const int blue_y = 10000 + replay.Random(50000 - 10000);
  const int red_x = 30000 + replay.Random(60000 - 30000);
  const int red_y = 10000 + replay.Random(30000 - 10000);
  TargetLocations(form);

  EXPECT_EQ(form.PatrolText[12 + 2], std::to_string(blue_x));
  EXPECT_EQ(form.PatrolText[12 + 3], std::to_string(blue_y));
  EXPECT_EQ(form.PatrolText[2], std::to_string(red_x));
  EXPECT_EQ(form.PatrolText[3], std::to_string(red_y));
  // The zig-zag: 20 km north unless that leaves the box, then 20 km east, then north again.
  const int red_y2 = red_y + 20000 < 30000 ? red_y + 20000 : red_y - 20000;
  const int red_x3 = red_x + 20000 < 60000 ? red_x + 20000 : red_x - 20000;
  EXPECT_EQ(form.PatrolText[5], std::to_string(red_y2));
  EXPECT_EQ(form.PatrolText[6], std::to_string(red_x3));
}

TEST(TargetLocations, PatrolAreaCheckRaisesTheActionRadius) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  form.ActionRadiusKm = 250;
  TargetLocations(form);
  // Points 1: (400000, 12000) and (15000, 400000). Between them 546607 m / 800 = 683;
  // from the front centre 380086 / 800 = 475 and 379932 / 800 = 474, together 949.
  EXPECT_EQ(form.ActionRadiusKm, 949);
  EXPECT_THAT(form.ErrorText,
              HasSubstr("Patrol Area check has reset the Minimum Action Radius to 949 "
                        "Kilometers.\r\n"));
}

TEST(TargetLocations, EnemyAirfieldCheckRaisesTheActionRadius) {
  LakelandWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  TargetLocations(form);
  // Owners survive the rebuild: the same files give the same order.
  form.LocationTable[kCarlowAirfield].LocationArmy = "2";
  form.LocationTable[kFarawayAirfield].LocationArmy = "2";
  form.LocationTable[kDunmoreAirfield].LocationArmy = "1";
  form.SquadronTable[0].SquadronArmy = "1";
  form.ActionRadiusKm = 10;
  TargetLocations(form);
  // Carlow_Airfield lies 30000 m from the front centre; Dunmore is our own.
  EXPECT_EQ(form.ActionRadiusKm, 30);
  EXPECT_THAT(form.ErrorText,
              HasSubstr("Enemy Airfield Check has set Minimum Action Radius to 30 Kilometers."));
}

TEST(TargetLocations, AMapWithoutPatrolAreasForgetsThoseOfTheMapBefore) {
  LakelandWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  form.PatrolText[0] = "Old_Map_Patrol";
  form.PatrolText[2] = "1000";
  form.ActionRadiusKm = 250;
  TargetLocations(form);
  for (const std::string& entry : form.PatrolText) EXPECT_EQ(entry, "");
  EXPECT_EQ(form.ActionRadiusKm, 250);
  EXPECT_THAT(form.ErrorText, ::testing::Not(HasSubstr("Patrol Area check")));
}

TEST(TargetLocations, PatrolAreasAreNotUsedWithoutAFrontCentre) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  form.FrontCenterName = "Atlantis";
  TargetLocations(form);
  EXPECT_EQ(form.FrontCenterIndex, -1);
  EXPECT_EQ(form.PatrolText[0], "");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("No front centre on the map Lakeland: its patrol areas are not used."));
}

TEST(TargetLocations, AnIncompletePatrolFileStopsTheBuildWithAClearError) {
  LakelandWorld world;
  world.program_folder.Write("data/Lakeland.prd",
                             JoinLinesCrLf({"[Allied_Patrol]", "400000.00 0.00"}));
  EXPECT_THROW(
      {
        try {
          TargetLocations(*world.form);
        } catch (const ConversionError& error) {
          EXPECT_THAT(error.what(), HasSubstr("Lakeland.prd"));
          throw;
        }
      },
      ConversionError);
}

TEST(TargetLocations, APatrolAreaWithoutANameLineHasNoName) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/Lakeland.prd",
      JoinLinesCrLf({"", "30000.00 10000.00", "60000.00 10000.00", "60000.00 30000.00",
                     "30000.00 30000.00", "]Blue_Sea_Lane]", "0.00 10000.00", "10000.00 10000.00",
                     "10000.00 50000.00", "0.00 50000.00"}));
  TargetLocations(form);
  EXPECT_EQ(form.PatrolText[0], "");
  EXPECT_EQ(form.PatrolText[12], "");
  // The points are built all the same.
  EXPECT_FALSE(form.PatrolText[2].empty());
  EXPECT_EQ(form.PatrolText[4], form.PatrolText[2]);
}

struct EntryCase {
  const char* map_axis;
  const char* axis_rail_entry;
  const char* allied_rail_entry;
};

class EntryPoints : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryPoints, FollowTheMapEdgeOfTheAxisSide) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/Grid.rls",
      JoinLinesCrLf({"[Centre to North_End]", "5000.00 5000.00 0", "5000.00 9000.00 0",
                     "[West_End to Centre]", "1000.00 5000.00 0", "5000.00 5000.00 0",
                     "[East_End to South_End]", "9000.00 5000.00 0", "5000.00 1000.00 0",
                     "[South_End to West_End]", "5000.00 1000.00 0", "1000.00 5000.00 0",
                     "[North_End to East_End]", "5000.00 9000.00 0", "9000.00 5000.00 0"}));
  form.MapName = "Grid";
  form.MapAxis = GetParam().map_axis;
  TargetLocations(form);
  EXPECT_EQ(form.AxisRailEntry, GetParam().axis_rail_entry);
  EXPECT_EQ(form.AlliedRailEntry, GetParam().allied_rail_entry);
}

INSTANTIATE_TEST_SUITE_P(MapAxes, EntryPoints,
                         ::testing::Values(EntryCase{"West", "West_End", "East_End"},
                                           EntryCase{"East", "East_End", "West_End"},
                                           EntryCase{"South", "South_End", "North_End"},
                                           EntryCase{"North", "North_End", "South_End"},
                                           // An unknown axis chooses no entry point at all.
                                           EntryCase{"Up", "", ""}));

struct NameCase {
  const char* name;
  const char* position;
};

class LocationKindsFromNames : public ::testing::TestWithParam<NameCase> {};

// "bridge" in any letter case makes a route start take the third waypoint.
TEST_P(LocationKindsFromNames, DecideWhichWaypointARouteStartTakes) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/Kinds.rds",
      JoinLinesCrLf({std::string("[") + GetParam().name + " to Elsewhere]", "100.00 100.00 0",
                     "200.00 200.00 0", "300.00 300.00 0", "400.00 400.00 0"}));
  form.MapName = "Kinds";
  TargetLocations(form);
  ASSERT_EQ(form.LastLocation, 1);
  EXPECT_EQ(form.LocationTable[0].LocationName, GetParam().name);
  EXPECT_EQ(form.LocationTable[0].LocationPosition, GetParam().position);
  EXPECT_EQ(form.LocationTable[1].LocationPosition, "400.00 400.00");
}

INSTANTIATE_TEST_SUITE_P(Names, LocationKindsFromNames,
                         ::testing::Values(NameCase{"Mill_Bridge", "300.00 300.00"},
                                           NameCase{"old_bridge", "300.00 300.00"},
                                           NameCase{"BRIDGEHEAD_North", "300.00 300.00"},
                                           NameCase{"Cambridge", "300.00 300.00"},
                                           NameCase{"Bridgford", "100.00 100.00"},
                                           NameCase{"Carlow_Airfield", "100.00 100.00"},
                                           NameCase{"Eastport_Harbor", "100.00 100.00"}));

TEST(TargetLocations, ANameInTwoNetworksKeepsTheRoadPosition) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/Two.rds", JoinLinesCrLf({"[Aston to Aston_Station]", "1.00 1.00 0", "2.00 2.00 0"}));
  world.program_folder.Write(
      "data/Two.rls", JoinLinesCrLf({"[Aston_Station to Birch]", "9.00 9.00 0", "8.00 8.00 0"}));
  form.MapName = "Two";
  TargetLocations(form);
  ASSERT_EQ(form.LastLocation, 2);
  EXPECT_EQ(form.LocationTable[1].LocationName, "Aston_Station");
  EXPECT_EQ(form.LocationTable[1].LocationPosition, "2.00 2.00");
  EXPECT_EQ(form.LocationTable[2].LocationName, "Birch");
  // The campaign's data folder overrides the program's, file by file.
  TempFolder campaign_data;
  campaign_data.Write("Two.rds", JoinLinesCrLf({"[Cole to Dale]", "5.00 5.00 0", "6.00 6.00 0"}));
  form.CampaignDataFolder = campaign_data.Path();
  TargetLocations(form);
  EXPECT_EQ(form.LocationTable[0].LocationName, "Cole");
  EXPECT_EQ(form.LocationTable[2].LocationName, "Aston_Station");
}

TEST(TargetLocations, SectionsThatNameNoRouteAreLoggedAndSkipped) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/Odd.rds",
                             JoinLinesCrLf({"[Aston Birchford]", "1.00 1.00 0", "[ to Birchford]",
                                            "2.00 2.00 0", "[Aston to Birchford", "3.00 3.00 0",
                                            "[Cole to Dale]", "5.00 5.00 0", "6.00 6.00 0"}));
  form.MapName = "Odd";
  TargetLocations(form);
  ASSERT_EQ(form.LastLocation, 1);
  EXPECT_EQ(form.LocationTable[0].LocationName, "Cole");
  EXPECT_EQ(form.LocationTable[1].LocationName, "Dale");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("line 1: \"[Aston Birchford]\" names no route; the section is skipped."));
  EXPECT_THAT(form.ErrorText, HasSubstr("line 3: \"[ to Birchford]\" names no route"));
  EXPECT_THAT(form.ErrorText, HasSubstr("line 5: \"[Aston to Birchford\" names no route"));
}

TEST(TargetLocations, TextWhereACoordinateBelongsStopsTheBuildNamingTheLine) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/Bad.rds",
                             JoinLinesCrLf({"[Cole to Dale]", "5.00 5.00 0", "6.00 6.00 0",
                                            "[Dale to Eden]", "east 7.00 0", "8.00 8.00 0"}));
  form.MapName = "Bad";
  try {
    TargetLocations(form);
    FAIL() << "no error";
  } catch (const ConversionError& error) {
    EXPECT_THAT(error.what(), HasSubstr("Bad.rds, line 5"));
  }
  // What was built before the fault stays.
  EXPECT_EQ(form.LastLocation, 1);
}

// A place without a waypoint (a bridge's section of fewer than three, a file cut short) is an
// error that names the file and the line, whatever the map's axis, and is logged.
TEST(TargetLocations, APlaceWithoutAWaypointIsAnErrorNamingTheLine) {
  const struct {
    const char* name;
    std::string routes;
    const char* where;
  } cases[] = {
      {"short bridge section", JoinLinesCrLf({"[Old_Bridge to Dale]", "5.00 5.00 0"}),
       "line 4: no waypoint gives the position of Old_Bridge"},
      {"cut after the header", JoinLinesCrLf({"[Ash to Dale]", "5.00 5.00 0", "[Dale to Elm]"}),
       "line 4: no waypoint gives the position of Dale"},
      {"cut inside a waypoint", JoinLinesCrLf({"[Ash to Dale]", "5.00 5.00 0", "6.0"}),
       "line 3: no waypoint gives the position of Dale"},
  };
  for (const auto& c : cases) {
    for (const char* axis : {"West", "Up"}) {
      TestWorld world;
      TMainForm& form = *world.form;
      world.program_folder.Write("data/Short.rds", c.routes);
      form.MapName = "Short";
      form.MapAxis = axis;
      try {
        TargetLocations(form);
        ADD_FAILURE() << c.name << ": no error";
      } catch (const ConversionError& error) {
        EXPECT_THAT(error.what(), HasSubstr("Short.rds, " + std::string(c.where))) << c.name;
        EXPECT_THAT(form.ErrorText, HasSubstr(c.where)) << c.name;
      }
    }
  }
}

TEST(TargetLocations, AMapLargerThanTheTableKeepsTheFirstLocations) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::string routes;
  for (int i = 0; i <= kLocationCapacity; ++i) {
    routes += "[L" + std::to_string(i) + " to L" + std::to_string(i + 1) + "]\r\n" +
              std::to_string(i) + ".00 0.00 0\r\n" + std::to_string(i + 1) + ".00 0.00 0\r\n";
  }
  world.program_folder.Write("data/Huge.rds", routes);
  form.MapName = "Huge";
  TargetLocations(form);
  EXPECT_EQ(form.LastLocation, kLocationCapacity - 1);
  EXPECT_EQ(form.LocationTable[kLocationCapacity - 1].LocationName, "L50000");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("The map Huge has more than 50001 locations; L50001 and the locations "
                        "after it are left out."));
}

TEST(TargetInitialization, RestoresNamesAndPositionsOnly) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  TargetLocations(form);
  const std::string patrol_name = form.PatrolText[0];
  form.LocationTable[kAston].LocationName = "Renamed";
  form.FrontCenterIndex = 99;
  form.AxisRailEntry = "Kept";
  const std::uint32_t seed = form.Rand.Seed();
  TargetInitialization(form);
  EXPECT_EQ(form.LastLocation, kLakelandLocations - 1);
  EXPECT_EQ(form.LocationTable[kAston].LocationName, "Aston");
  EXPECT_EQ(form.LocationTable[kMillBridge].LocationPosition, "30000.00 20000.00");
  EXPECT_EQ(form.LocationTable[kFarawayAirfield].LocationOffMap, "");
  EXPECT_EQ(form.FrontCenterIndex, 99);
  EXPECT_EQ(form.AxisRailEntry, "Kept");
  EXPECT_EQ(form.PatrolText[0], patrol_name);
  EXPECT_EQ(form.Rand.Seed(), seed);
}

// The check needs an active campaign: a folder with its squadron file.
struct WaypointCheckWorld : TestWorld {
  WaypointCheckWorld() {
    campaign.Write("squadrons.tavrek", "");
    form->CampaignFolder = campaign.Path();
  }
  TempFolder campaign;
};

TEST(ColumnWaypointCheck, WarnsOfClosePointsNearTheEndsOfARoute) {
  WaypointCheckWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> lines{"[Aston to Birchford]"};
  // 14 points 1000 m apart, except pairs 1-2 (100 m), 7-8 (50 m, mid-route) and 12-13 (equal).
  const std::vector<int> x{0,    100,  1100, 2100, 3100, 4100, 5100,
                           5150, 6150, 7150, 8150, 9150, 9150, 10150};
  for (const int value : x) lines.push_back(std::to_string(value) + ".00 500.00 0.00");
  lines.push_back("[Birchford to Carlow]");
  lines.push_back("0.00 0.00 0.00");
  lines.push_back("5000.00 0.00 0.00");
  world.program_folder.Write("data/lakeland.rds", JoinLinesCrLf(lines));
  form.MapName = "Lakeland";
  world.dialogs->ExpectMessage(
      "Warning: Waypoints too close together.\r\n\r\nPath = Aston to Birchford\r\n"
      "Coordinates = 1-2\r\nDistance = 100m",
      ModalResult::kOk);
  world.dialogs->ExpectMessage(
      "Warning: Waypoints too close together.\r\n\r\nPath = Aston to Birchford\r\n"
      "Coordinates = 12-13\r\nDistance = 1m",
      ModalResult::kOk);
  world.dialogs->ExpectMessage(
      "Column Waypoint Check is completed. Potential problems exist for column movement.",
      ModalResult::kOk);
  ColumnWaypointCheckClick(form);
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

TEST(ColumnWaypointCheck, AWaypointThatIsNoPositionIsLoggedWithTheFileAndItsLine) {
  WaypointCheckWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/lakeland.rds",
                             JoinLinesCrLf({"[Aston to Birchford]", "0.00 0.00 0", "abc 5.00 0"}));
  form.MapName = "Lakeland";
  EXPECT_THROW(ColumnWaypointCheckClick(form), ConversionError);
  EXPECT_THAT(form.ErrorText, HasSubstr("lakeland.rds, line 3: "));
  EXPECT_TRUE(world.dialogs->shown.empty());
}

TEST(ColumnWaypointCheck, ReportsNoProblemsWithoutARoadFile) {
  WaypointCheckWorld world;
  world.form->MapName = "Nowhere";
  world.dialogs->ExpectMessage("Column Waypoint Check is completed. No problems found.",
                               ModalResult::kOk);
  world.form->ColumnWaypointCheck.UserClick();
  EXPECT_TRUE(world.dialogs->AllAnswered());
}

}  // namespace

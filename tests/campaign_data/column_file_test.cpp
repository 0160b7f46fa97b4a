#include "campaign_data/column_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/map_routes.h"
#include "campaign_data/random_generator.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/lakeland_map.h"

namespace {

using ::testing::HasSubstr;

// The made-up map with its locations built. Aston and the western rail entry belong to the
// Axis, every other location to the Allies; no reinforcement comes unless a test asks for it.
struct ColumnWorld : LakelandWorld {
  explicit ColumnWorld(PatrolAreas patrol_areas = PatrolAreas::kWith)
      : LakelandWorld(patrol_areas) {
    TargetLocations(*form);
    for (int j = 0; j <= form->LastLocation; ++j) form->LocationTable[j].LocationArmy = "1";
    form->LocationTable[kAston].LocationArmy = "2";
    form->LocationTable[kWestRailEntry].LocationArmy = "2";
    ReinforcementChances(false, false);
  }
  // The loader's oil supplies give a side whose only supply truck is lost, with a bonus of
  // "+0%", no reinforcement chance, and a side without supply trucks a full one.
  void ReinforcementChances(bool allied, bool axis) const {
    form->RuSupplyBox.Text = "+0%";
    form->DeSupplyBox.Text = "+0%";
    int last = -1;
    if (!allied) {
      form->StationaryObjectTable[++last].StationaryLine =
          "X 0_Static vehicles.stationary.Stationary$DiamondT_US 1 100.00 100.00 0.00 0.0";
    }
    if (!axis) {
      form->StationaryObjectTable[++last].StationaryLine =
          "X 1_Static vehicles.stationary.Stationary$OpelBlitz36S 2 100.00 100.00 0.00 0.0";
    }
    form->InitialStationary = last;
  }
  void Columns(const std::vector<std::string>& lines) const {
    campaign.Write("columns.tavrek", JoinLinesCrLf(lines));
  }
  std::string ColumnFile() const { return campaign.Read("columns.tavrek"); }
};

TEST(ColumnList, ALoadFollowedByAWriteLeavesTheFileAsItWas) {
  ColumnWorld world;
  TMainForm& form = *world.form;
  const std::string original = ReadFileBytes(LakelandWorld::Fixture("columns.tavrek"));
  world.campaign.Write("columns.tavrek", original);
  ColumnList(form);
  ASSERT_EQ(form.LastColumn, 4);
  const ColumnEntry& tanks = form.ColumnTable[0];
  EXPECT_EQ(tanks.ColumnHeader, "[1_Chief_Road]");
  EXPECT_EQ(tanks.ColumnType, "1_Chief Armor.1-T34_76_1943 1");
  EXPECT_EQ(tanks.ColumnName, "1_Chief");
  EXPECT_EQ(tanks.ColumnArmy, "1");
  EXPECT_EQ(tanks.ColumnPlace, "Birchford");
  EXPECT_EQ(tanks.ColumnDestination, "Birchford");
  EXPECT_EQ(tanks.ColumnUnitName, "1st Guards Tanks");
  EXPECT_EQ(tanks.ColumnMarks, "A");
  EXPECT_EQ(tanks.ColumnPlaceOwner, "1");
  EXPECT_EQ(tanks.ColumnHeading, "1");
  EXPECT_EQ(tanks.ColumnDestinationOwner, "1");
  EXPECT_EQ(tanks.ColumnMobile, "Y");
  EXPECT_EQ(tanks.ColumnArmorChange, "N");
  EXPECT_EQ(tanks.ColumnLastRoutePoint, -1);
  EXPECT_EQ(form.ColumnTable[2].ColumnMarks, "C");
  WriteColumnList(form);
  EXPECT_EQ(world.ColumnFile(), original);
}

struct LineCase {
  const char* why;
  const char* line;
  const char* written;
};

class ColumnLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ColumnLines, LoadAndWriteBackAsTheRulesSay) {
  ColumnWorld world;
  world.Columns({GetParam().line});
  ColumnList(*world.form);
  WriteColumnList(*world.form);
  EXPECT_EQ(world.ColumnFile(), std::string(GetParam().written) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ColumnLines,
    ::testing::Values(
        LineCase{"no unit name and no letter", "12_Chief Armor.T34 1 @Aston $",
                 "12_Chief Armor.T34 1 @Aston $ ~A"},
        LineCase{"no $: the default name", "12_Chief Armor.T34 1 @Aston ",
                 "12_Chief Armor.T34 1 @Aston $T34_12 ~A"},
        LineCase{"the place ends the line", "12_Chief Armor.T34 1 @Aston",
                 "12_Chief Armor.T34 1 @Aston $T34_12 ~A"},
        LineCase{"no letter after ~", "19_Chief Armor.T34 1 @Birchford $Unit ~",
                 "19_Chief Armor.T34 1 @Birchford $Unit ~A"},
        LineCase{"extra blanks", "20_Chief Armor.T34  1  @Birchford   $Spaced Unit   ~A",
                 "20_Chief Armor.T34 1 @Birchford $Spaced Unit ~A"},
        LineCase{"Future", "7_Chief Armor.T34 1 @Future $Reserve ~A",
                 "7_Chief Armor.T34 1 @Blank $Reserve ~X"},
        LineCase{"a closed place", "14_Chief Armor.T34 1 @Okinawa $Okinawa Bn ~A",
                 "14_Chief Armor.T34 1 @Blank $Okinawa Bn ~X"},
        LineCase{"English_ in the name", "8_Chief Armor.Cromwell 1 @English_Depot_2 $Guards ~A",
                 "8_Chief Armor.Cromwell 1 @Blank $Guards ~X"},
        LineCase{"Somerton in the name", "15_Chief Armor.T34 1 @Somerton_Airfield $S ~A",
                 "15_Chief Armor.T34 1 @Blank $S ~X"},
        LineCase{"a beachhead", "9_Chief Armor.T34 1 @Redcliff_Beachhead $Marines ~A",
                 "9_Chief Armor.T34 1 @Blank $Marines ~X"},
        LineCase{"off the map", "10_Chief Armor.T34 1 @Faraway_Airfield $Far ~A",
                 "10_Chief Armor.T34 1 @Blank $Far ~X"},
        LineCase{"a train on a location of the other side",
                 "11_Chief Trains.Wagon 2 @Birchford_Railyard $Zug ~A",
                 "11_Chief Trains.Wagon 2 @Blank $Zug ~X"},
        LineCase{"a train on its own side", "11_Chief Trains.Wagon 1 @Birchford_Railyard $Zug ~A",
                 "11_Chief Trains.Wagon 1 @Birchford_Railyard $Zug ~A"},
        LineCase{"a sunk unit", "13_Chief Armor.T34 1 @Aston $SUNK ~A",
                 "13_Chief Armor.T34 1 @Blank $SUNK ~X"},
        LineCase{"a place that is no location", "16_Chief Armor.T34 1 @Nowhere_Town $Z ~A",
                 "16_Chief Armor.T34 1 @Nowhere_Town $Z ~A"},
        LineCase{"no @ at all", "17_Chief Armor.T34 1 Birchford $Lost ~A",
                 "17_Chief Armor.T34 1 @Blank $Lost ~X"},
        LineCase{"an army that is no side", "18_Chief Armor.T34 x @Birchford $Odd ~A",
                 "18_Chief Armor.T34 x @Birchford $Odd ~A"}),
    [](const ::testing::TestParamInfo<LineCase>& info) {
      std::string name;
      for (const char c : std::string(info.param.why)) name += std::isalnum(c) ? c : '_';
      return name;
    });

TEST(ColumnList, NamesShipsFromTheShipNameTable) {
  ColumnWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  form.ShipNameTable[0].ShipClass = "Destroyer_Fletcher";
  form.ShipNameTable[0].ShipName[0] = "USS Fletcher";
  form.ShipNameTable[0].ShipName[1] = "USS Radford";
  form.ShipNameTable[2].ShipClass = "Cruiser";  // a blank first name: the class names no ship
  form.ShipNameTable[3].ShipClass = "Minesweeper";
  form.ShipNameTable[3].ShipNameNext = kShipNamesPerClass;  // every name given
  form.ShipNameTable[4].ShipName[0] = "Beyond The Class";
  world.Columns({"1_Chief Ships.Destroyer_Fletcher 1 @Eastport_Harbor",
                 "2_Chief Ships.Destroyer_Fletcher 1 @Eastport_Harbor",
                 "3_Chief Ships.Destroyer_Fletcher 1 @Eastport_Harbor",
                 "4_Chief Ships.Cruiser 1 @Eastport_Harbor",
                 "5_Chief Ships.Minesweeper 1 @Eastport_Harbor"});
  ColumnList(form);
  EXPECT_EQ(form.ColumnTable[0].ColumnUnitName, "USS Fletcher");
  EXPECT_EQ(form.ColumnTable[1].ColumnUnitName, "USS Radford");
  EXPECT_EQ(form.ColumnTable[2].ColumnUnitName, "Destroyer_Fletcher_3");
  EXPECT_EQ(form.ColumnTable[3].ColumnUnitName, "Cruiser_4");
  EXPECT_EQ(form.ColumnTable[4].ColumnUnitName, "Minesweeper_5");
  EXPECT_EQ(form.ShipNameTable[0].ShipNameNext, 2);
  EXPECT_EQ(form.ShipNameTable[2].ShipNameNext, 0);
  EXPECT_EQ(form.ShipNameTable[3].ShipNameNext, kShipNamesPerClass);
}

TEST(ColumnList, PlacesShipsOnTheirSidesPatrolAreaInFormation) {
  ColumnWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> lines;
  for (int n = 1; n <= 26; ++n) {
    lines.push_back(std::to_string(n) + "_Chief Ships.Destroyer 1 @Eastport_Harbor $Ship " +
                    std::to_string(n) + " ~A");
  }
  lines.push_back("27_Chief Ships.LCVP 1 @Eastport_Harbor $Landing Craft ~A");
  lines.push_back("28_Chief Ships.Destroyer 1 @Eastport_Harbor $Late ~A");
  lines.push_back("29_Chief Ships.Schnellboot 2 @West_Sea $S-1 ~A");
  world.Columns(lines);
  ColumnList(form);

  // Patrol points of the Allied area: (400000, 12000), (400000, -8000), (420000, -8000),
  // (420000, -28000); spacing 1750 m.
  const ColumnEntry& first = form.ColumnTable[0];
  EXPECT_EQ(first.ColumnPlace, "Allied_Patrol");
  EXPECT_EQ(first.ColumnDestination, "Allied_Patrol");
  EXPECT_EQ(first.ColumnHeading, "2");
  EXPECT_EQ(first.ColumnDestinationOwner, "1");
  EXPECT_EQ(first.ColumnLastRoutePoint, 3);
  EXPECT_EQ(first.ColumnRoute[0], "400000.00 12000.00 20.00 ");
  EXPECT_EQ(first.ColumnRoute[1], "400000.00 -8000.00 20.00 ");
  EXPECT_EQ(first.ColumnRoute[2], "420000.00 -8000.00 20.00 ");
  EXPECT_EQ(first.ColumnRoute[3], "420000.00 -28000.00 20.00 ");
  // The second ship: 500 m towards smaller x, the spacing towards smaller y.
  EXPECT_EQ(form.ColumnTable[1].ColumnRoute[0], "399500.00 10250.00 20.00 ");
  // The 25th: third ring, direction (-1, 1).
  EXPECT_EQ(form.ColumnTable[24].ColumnRoute[0], "396250.00 15750.00 20.00 ");
  // The 26th and later stand on the points again.
  EXPECT_EQ(form.ColumnTable[25].ColumnRoute[3], "420000.00 -28000.00 20.00 ");
  // The first transport ship and the ships after it keep their place.
  for (const int c : {26, 27}) {
    EXPECT_EQ(form.ColumnTable[c].ColumnPlace, "Eastport_Harbor") << c;
    EXPECT_EQ(form.ColumnTable[c].ColumnLastRoutePoint, -1) << c;
    EXPECT_EQ(form.ColumnTable[c].ColumnRoute[0], "") << c;
  }
  const ColumnEntry& axis = form.ColumnTable[28];
  EXPECT_EQ(axis.ColumnPlace, "Axis_Patrol");
  EXPECT_EQ(axis.ColumnDestinationOwner, "2");
  EXPECT_EQ(axis.ColumnRoute[0], "15000.00 400000.00 20.00 ");
}

TEST(ColumnList, ShipsStayInPortInWinterOnlyOnTheMurmanskMap) {
  ColumnWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  world.Columns({"1_Chief Ships.Destroyer 1 @Eastport_Harbor $Ship ~A",
                 "2_Chief Armor.T34 1 @Birchford $Tanks ~A"});
  form.MapSeason = "Winter";
  ColumnList(form);
  EXPECT_EQ(form.ColumnTable[0].ColumnPlace, "Blank");
  EXPECT_EQ(form.ColumnTable[1].ColumnPlace, "Birchford");
  form.MapName = "Murmansk";
  ColumnList(form);
  EXPECT_EQ(form.ColumnTable[0].ColumnPlace, "Eastport_Harbor");
}

TEST(ColumnList, AShipAtItsSidesEntryPointLoadsAWaitingColumn) {
  ColumnWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  world.Columns(
      {"1_Chief Ships.LCVP 1 @East_Sea $Landing Craft ~A", "2_Chief Trains.Wagon 1 @Blank $Zug ~X",
       "3_Chief Armor.T34 2 @Blank $Axis Tanks ~X", "4_Chief Armor.T34 1 @Blank $Waiting ~L",
       "5_Chief Armor.T34 1 @Blank $Guards ~X"});
  ColumnList(form);
  const ColumnEntry& cargo = form.ColumnTable[4];
  EXPECT_EQ(cargo.ColumnPlace, "1_Chief");
  EXPECT_EQ(cargo.ColumnDestination, "1_Chief");
  EXPECT_EQ(cargo.ColumnMarks, "T");
  EXPECT_EQ(cargo.ColumnStatus, "T");
  EXPECT_EQ(cargo.ColumnTransportLink, "Y");
  EXPECT_EQ(form.ColumnTable[0].ColumnTransportLink, "Y");
  EXPECT_THAT(form.ErrorText,
              HasSubstr("] Landing Craft is transporting Guards from East_Sea.\r\n"));
  // The file was rewritten while loading, from the table as it stood then.
  EXPECT_EQ(world.ColumnFile(), JoinLinesCrLf({"1_Chief Ships.LCVP 1 @East_Sea $Landing Craft ~A",
                                               "2_Chief Trains.Wagon 1 @Blank $Zug ~X",
                                               "3_Chief Armor.T34 2 @Blank $Axis Tanks ~X",
                                               "4_Chief Armor.T34 1 @Blank $Waiting ~X",
                                               "5_Chief Armor.T34 1 @1_Chief $Guards ~T"}));
}

// Where a blank ship or train comes back, by the draws of one seed: a shipyard or railyard of
// its side when the draw for that location is 0, else the side's entry point.
TEST(ColumnList, BlankShipsAndTrainsComeBackAtYardsOrEntryPoints) {
  bool came_back_at_yard = false;
  bool came_back_at_entry = false;
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    ColumnWorld world(LakelandWorld::PatrolAreas::kWithout);
    TMainForm& form = *world.form;
    for (int j = 0; j <= form.LastLocation; ++j) form.LocationTable[j].LocationArmy = "2";
    const std::vector<int> allied{kBirchford, kBirchfordRailyard, kNorthShipyard};
    for (const int j : allied) form.LocationTable[j].LocationArmy = "1";
    world.ReinforcementChances(true, false);
    world.Columns({"1_Chief Ships.Destroyer 1 @Blank $Ship ~X",
                   "2_Chief Trains.Wagon 1 @Blank $Zug ~X",
                   "3_Chief Trains.Wagon 2 @Blank $Axis Zug ~X"});
    form.Rand.SetSeed(seed);

    RandomGenerator replay;
    replay.SetSeed(seed);
    auto yard_draw = [&](int wanted_location, bool shipyard) {
      replay.Random(100);
      bool hit = false;
      for (const int j : allied) {
        const bool ship_draw = replay.Random(3) == 0;
        const bool rail_draw = replay.Random(3) == 0;
        if (j == wanted_location && (shipyard ? ship_draw : rail_draw)) hit = true;
      }
      return hit;
    };
    const bool ship_at_yard = yard_draw(kNorthShipyard, true);
    const bool train_at_yard = yard_draw(kBirchfordRailyard, false);
    replay.Random(100);  // the Axis train: its side's chance is 0

    ColumnList(form);
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(form.ColumnTable[0].ColumnPlace, ship_at_yard ? "North_Harbor" : "East_Sea");
    EXPECT_EQ(form.ColumnTable[0].ColumnStatus, "L");
    EXPECT_EQ(form.ColumnTable[1].ColumnPlace,
              train_at_yard ? "Birchford_Railyard" : "East_Rail_End");
    EXPECT_EQ(form.ColumnTable[1].ColumnStatus, "Y");
    EXPECT_EQ(form.ColumnTable[2].ColumnPlace, "Blank");
    EXPECT_EQ(form.Rand.Seed(), replay.Seed());
    came_back_at_yard = came_back_at_yard || ship_at_yard || train_at_yard;
    came_back_at_entry = came_back_at_entry || !ship_at_yard || !train_at_yard;
  }
  EXPECT_TRUE(came_back_at_yard);
  EXPECT_TRUE(came_back_at_entry);
}

TEST(ColumnList, WithoutAnEntryPointABlankTrainStaysBlank) {
  ColumnWorld world(LakelandWorld::PatrolAreas::kWithout);
  TMainForm& form = *world.form;
  form.AlliedRailEntry.clear();
  world.ReinforcementChances(true, true);
  world.Columns({"1_Chief Trains.Wagon 1 @Blank $Zug ~X"});
  for (int j = 0; j <= form.LastLocation; ++j) form.LocationTable[j].LocationArmy = "2";
  ColumnList(form);
  EXPECT_EQ(form.ColumnTable[0].ColumnPlace, "Blank");
  WriteColumnList(form);
  EXPECT_EQ(world.ColumnFile(), JoinLinesCrLf({"1_Chief Trains.Wagon 1 @Blank $Zug ~X"}));
}

TEST(ColumnList, AMissingFileGivesAnEmptyTable) {
  ColumnWorld world;
  world.form->LastColumn = 3;
  ColumnList(*world.form);
  EXPECT_EQ(world.form->LastColumn, -1);
}

TEST(ColumnList, AFileLongerThanTheTableIsNotLoaded) {
  ColumnWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> lines;
  for (int c = 0; c <= kColumnCapacity; ++c) {
    lines.push_back(std::to_string(c) + "_Chief Armor.T34 1 @Birchford $Unit ~A");
  }
  world.Columns(lines);
  const std::string original = world.ColumnFile();
  try {
    ColumnList(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(),
                 "columns.tavrek holds 1026 columns, more than the 1025 a campaign can hold; it "
                 "is not loaded.");
  }
  EXPECT_EQ(form.LastColumn, -1);
  WriteColumnList(form);
  EXPECT_EQ(world.ColumnFile(), original);
}

TEST(WriteColumnList, NeverWipesTheFileAndNeedsIt) {
  ColumnWorld world;
  TMainForm& form = *world.form;
  try {
    WriteColumnList(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No columns.tavrek file found.\r\n");
  }
  EXPECT_THAT(form.ErrorText, HasSubstr("] No columns.tavrek file found.\r\n"));
  world.Columns({"1_Chief Armor.T34 1 @Birchford $Tanks ~A"});
  form.LastColumn = -1;
  WriteColumnList(form);
  EXPECT_EQ(world.ColumnFile(), JoinLinesCrLf({"1_Chief Armor.T34 1 @Birchford $Tanks ~A"}));
}

TEST(WriteColumnList, MarksColumnsOnAMarkedRoutePoint) {
  ColumnWorld world;
  TMainForm& form = *world.form;
  world.Columns({"1_Chief Armor.T34 1 @Birchford $A ~C", "2_Chief Armor.T34 1 @Birchford $B ~L",
                 "3_Chief Armor.T34 1 @Birchford $C ~A", "4_Chief Armor.T34 1 @Birchford $D ~C"});
  ColumnList(form);
  for (const int c : {0, 1, 2}) form.RoutePointMark[c] = "Y";
  // The route planner has sent the last column on.
  form.ColumnTable[3].ColumnDestination = "Mill_Bridge";
  WriteColumnList(form);
  EXPECT_EQ(world.ColumnFile(), JoinLinesCrLf({"1_Chief Armor.T34 1 @Birchford $A ~B",
                                               "2_Chief Armor.T34 1 @Birchford $B ~B",
                                               "3_Chief Armor.T34 1 @Birchford $C ~A",
                                               "4_Chief Armor.T34 1 @Mill_Bridge $D ~C"}));
  EXPECT_EQ(form.ColumnTable[0].ColumnMarks, "B");
}

}  // namespace

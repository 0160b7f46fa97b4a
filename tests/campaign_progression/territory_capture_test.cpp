#include "campaign_progression/territory_capture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "campaign_data/random_generator.h"
#include "campaign_data/text.h"
#include "campaign_progression/place_index.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// An Axis town held by 7 troops with one Allied armour column in it: the column kills 0 to 15
// of them. With none left the town is Allied; otherwise both sides are there and it is
// contested, reported by one of two texts.
TEST(TerritoryCapture, ArmourWearsTheEnemyDownAndTakesOrContestsTheTown) {
  bool captured = false;
  bool contested = false;
  for (std::uint32_t n = 1; n <= 12; ++n) {
    const std::uint32_t seed = n * 987654321u;
    RiverlandWorld world;
    TMainForm& form = *world.form;
    world.Hold({{"Bexley", "2", 0, 7}});
    world.AddColumn("Armor.3-Sherman", "1", "Bexley");
    form.Rand.SetSeed(seed);
    RandomGenerator replay;
    replay.SetSeed(seed);
    const int killed = replay.Random(16);
    TerritoryCapture(form);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const LocationEntry& bexley = world.At("Bexley");
    if (killed >= 7) {
      captured = true;
      EXPECT_EQ(bexley.LocationArmy, "1");
      EXPECT_EQ(form.FrontNews, "7: Allied army took Bexley (D-6).");
      EXPECT_EQ(form.FrontNewsRu, "ru7: Allied army took Bexley (D-6).");
    } else {
      contested = true;
      EXPECT_EQ(bexley.LocationArmy, "0");
      EXPECT_EQ(bexley.TerritoryStrength[2], 7 - killed);
      const std::string text = replay.Random(2) == 0 ? "9: fighting at" : "10: battle for";
      EXPECT_EQ(form.FrontNews, text + " Bexley (D-6).");
      EXPECT_EQ(form.FrontNewsRu, "ru" + text + " Bexley (D-6).");
    }
    EXPECT_EQ(form.FrontCenterName, "Bexley");
    EXPECT_EQ(form.FrontCenterIndex, world.Index("Bexley"));
    EXPECT_EQ(form.Rand.Seed(), replay.Seed());
  }
  EXPECT_TRUE(captured);
  EXPECT_TRUE(contested);
}

TEST(TerritoryCapture, VehicleColumnsKillTroopsButTakeNothingAndTheQuietFrontIsReported) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Bexley", "2", 0, 2}, {"Bexley_Harbor", "2", 0, 0}});
  world.AddColumn("Vehicles.Truck", "1", "Bexley");
  world.AddColumn("Armor.3-Sherman", "1", "Bexley_Harbor");
  form.Rand.SetSeed(3);
  TerritoryCapture(form);
  EXPECT_EQ(world.At("Bexley").LocationArmy, "2");
  EXPECT_EQ(world.At("Bexley_Harbor").LocationArmy, "2");
  EXPECT_EQ(form.FrontNews, "11: quiet at Carrow_Bridge (C-6).");
  EXPECT_EQ(form.FrontNewsRu, "ru11: quiet at Carrow_Bridge (C-6).");
  EXPECT_EQ(form.FrontCenterName, "Carrow_Bridge");
}

TEST(TerritoryCapture, ClampsTroopsAndClearsTheNonOwnersBeforeJudgingPresence) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  form.TroopBox.Text = "100";
  // Allied troops in an Axis town vanish, so it stays Axis; troops over the cap are cut.
  world.Hold({{"Bexley", "2", 40, 500}, {"Alden", "1", -5, 0}});
  TerritoryCapture(form);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[1], 0);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 100);
  EXPECT_EQ(world.At("Bexley").LocationArmy, "2");
  EXPECT_EQ(world.At("Alden").TerritoryStrength[1], 0);
}

TEST(TerritoryCapture, ContestedTownsAreReportedOnEveryPass) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Isle", "0", 3, 3}, {"North_Sea", "0", 0, 0}});
  TerritoryCapture(form);
  EXPECT_THAT(form.FrontNews, HasSubstr(" Isle (B-8)."));
  EXPECT_THAT(form.FrontNews, Not(HasSubstr("North_Sea")));
  EXPECT_EQ(form.FrontCenterName, "Isle");
}

TEST(TerritoryCapture, ASingleMapCampaignEndsAtTheFirstEndFound) {
  for (const bool command_line : {false, true}) {
    RiverlandWorld world(command_line ? std::vector<std::string>{"tavrek", "netcoop"}
                                      : std::vector<std::string>{"tavrek"});
    TMainForm& form = *world.form;
    form.SingleMapCampaign.Checked = true;
    // The Allies have lost their airfield and the Axis its zone.
    world.Hold({{"Alden_Airfield", "2", 0, 0}, {"Bexley_Airstrip", "2", 0, 0}});
    form.DeZoneText = "Bexley";
    SCOPED_TRACE(command_line ? "command line" : "interactive");
    if (command_line) {
      TerritoryCapture(form);
      EXPECT_TRUE(form.Closed);
    } else {
      try {
        TerritoryCapture(form);
        FAIL() << "the campaign did not end";
      } catch (const ProgramError& error) {
        EXPECT_EQ(std::string(error.what()), "5: Allied army lost its last airfield.");
      }
    }
    EXPECT_THAT(form.ErrorText, HasSubstr("5: Allied army lost its last airfield.\r\n"));
    EXPECT_THAT(form.ErrorText, Not(HasSubstr("lost the battle")));
  }
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Bexley_Airstrip", "2", 0, 0}}, "1");
  world.AddColumn("Ships.USSEssexCV9", "2", "North_Sea");
  world.At("Bexley_Airstrip").LocationArmy = "1";
  form.SingleMapCampaign.Checked = true;
  // A carrier is a base too.
  EXPECT_NO_THROW(TerritoryCapture(form));
  form.SingleMapCampaign.Checked = false;
  form.ColumnTable[0].ColumnType = "0_Chief Ships.LCVP 2";
  EXPECT_NO_THROW(TerritoryCapture(form));
}

TEST(TroopBuildup, ColumnsBringTroopsToTheTownTheyStandAtOrBeside) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Bexley", "2", 0, 5}, {"Alden", "1", 995, 0}});
  world.At("Bexley_Rail_Station").LocationName = "Bexley_Station";
  const int train = world.AddColumn("Trains.Cargo", "2", "Bexley_Station");
  const int trucks = world.AddColumn("Vehicles.USACarsColumnA", "1", "Bexley");
  const int rail = world.AddColumn("Trains.Cargo", "1", "Alden_Rail_Station");
  const int convoy = world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden");
  TroopBuildup(form, std::vector<int>{train, trucks, rail, convoy}, CurrentPlaces(form));
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 15);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[1], 0);    // brought into an enemy town
  EXPECT_EQ(world.At("Alden").TerritoryStrength[1], 1000);  // both sides are capped
  EXPECT_EQ(world.At("Alden_Rail_Station").TerritoryStrength[1], 0);
  EXPECT_THAT(world.CampaignFile("territory.tavrek"), HasSubstr("Bexley 2 allied=0 axis=15\r\n"));
}

// The index the form keeps from an earlier look at the location table follows a location
// renamed since: it gives the same troops and the same territory file as an index built anew.
TEST(TroopBuildup, TheFormsKeptPlaceIndexGivesTheSameTroopsAsANewOne) {
  const auto build_up = [](bool kept_from_before) {
    RiverlandWorld world;
    TMainForm& form = *world.form;
    world.Hold({{"Bexley", "2", 0, 5}, {"Alden", "1", 990, 0}});
    if (kept_from_before) CurrentPlaces(form);
    const int bexley = world.Index("Bexley");
    form.LocationTable[bexley].LocationName = "Bexley_Town";
    world.At("Bexley_Rail_Station").LocationName = "Bexley_Town_Station";
    const std::vector<int> columns = {
        world.AddColumn("Trains.Cargo", "2", "Bexley_Town_Station"),
        world.AddColumn("Vehicles.USACarsColumnA", "1", "Bexley_Town"),
        world.AddColumn("Vehicles.USACarsColumnA", "1", "Alden"),
        world.AddColumn("Ships.Cargo", "1", "Nowhere_Town"),
    };
    if (kept_from_before) {
      TroopBuildup(form, columns, CurrentPlaces(form));
    } else {
      TroopBuildup(form, columns, PlaceIndex(form));
    }
    return std::make_pair(form.LocationTable[bexley].TerritoryStrength,
                          world.CampaignFile("territory.tavrek"));
  };
  const auto fresh = build_up(false);
  const auto kept = build_up(true);
  EXPECT_EQ(fresh.first[2], 15);  // the index found the renamed town behind the station
  EXPECT_EQ(kept.first, fresh.first);
  EXPECT_EQ(kept.second, fresh.second);
  EXPECT_THAT(kept.second, HasSubstr("Bexley_Town 2 allied=0 axis=15\r\n"));
  EXPECT_THAT(kept.second, HasSubstr("Alden 1 allied=1000 axis=0\r\n"));
}

struct Landing {
  const char* name;
  const char* line;
  const char* kind;
  const char* taken;  // the place made contested, "" for none
  int troops;         // Allied troops there afterwards
  const char* news;
};

class ParatroopLandings : public ::testing::TestWithParam<Landing> {};

TEST_P(ParatroopLandings, ContestTheLandPlaceNearest) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({});
  form.LastSquadron = 1;
  form.SquadronTable[0].SquadronName = "g010";
  form.SquadronTable[0].SquadronArmy = "2";
  form.SquadronTable[1].SquadronName = "r010";
  form.SquadronTable[1].SquadronArmy = "1";
  ParatroopCapture(form, GetParam().line, GetParam().kind);
  EXPECT_THAT(form.ErrorText, HasSubstr("] Paratroop routine.\r\n"));
  EXPECT_EQ(form.NewsText, GetParam().news);
  if (std::string(GetParam().taken).empty()) {
    EXPECT_FALSE(FileExists(world.campaign.Path() + "territory.tavrek"));
    return;
  }
  const LocationEntry& place = world.At(GetParam().taken);
  EXPECT_EQ(place.LocationArmy, "0");
  EXPECT_EQ(place.TerritoryStrength[1], GetParam().troops);
  EXPECT_THAT(
      world.CampaignFile("territory.tavrek"),
      HasSubstr(std::string(GetParam().taken) + " 0 allied=" + IntToStr(GetParam().troops)));
}

INSTANTIATE_TEST_SUITE_P(
    Landings, ParatroopLandings,
    ::testing::Values(Landing{"JustInReach", "r01012(255) was captured at 10000.00 74999.00",
                              "Para", "Isle", 1, "19: paratroops at Isle (B-8).\r\n"},
                      Landing{"OutOfReach", "r01012(255) was captured at 10000.00 75000.00", "Para",
                              "", 0, ""},
                      Landing{"Glider", "r01003(0) landed at 10000.00 73000.00", "Glider", "Isle",
                              10, "30: gliders at Isle (B-8) \r\n"},
                      Landing{"NearestIsAStation", "r01012(255) was captured at 10500.00 49400.00",
                              "Para", "", 0, ""},
                      Landing{"UnknownSquadron", "x99912(255) was captured at 10000.00 74000.00",
                              "Para", "", 0, ""},
                      Landing{"NoPosition", "r01012(255) was captured", "Para", "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParatroopCapture, ASecondLandingAtTheSameTownAddsTroopsButNoNews) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({});
  form.LastSquadron = 0;
  form.SquadronTable[0].SquadronName = "r010";
  form.SquadronTable[0].SquadronArmy = "1";
  ParatroopCapture(form, "r01012(255) was captured at 10000.00 74000.00", "Para");
  ParatroopCapture(form, "r01013(255) was captured at 10000.00 74500.00", "Para");
  EXPECT_EQ(world.At("Isle").TerritoryStrength[1], 2);
  EXPECT_EQ(form.NewsText, "19: paratroops at Isle (B-8).\r\n");
}

TEST(UpdateFront, MovesTheFrontToTheContestedTownNearestThePlayersBaseAndSavesIt) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  form.SquadronTable[0].SquadronHomeBase = "Alden_Airfield";
  world.Hold({{"Bexley", "0", 1, 1}, {"Isle", "0", 1, 1}, {"North_Sea", "0", 0, 0}});
  UpdateFront(form);
  EXPECT_EQ(form.FrontCenterName, "Isle");
  EXPECT_EQ(form.FrontCenterPosition, "10000.00 72000.00");
  EXPECT_THAT(world.CampaignFile("campaign.tavrek"), HasSubstr("[Front]\r\nIsle\r\n"));

  world.Hold({});
  form.FrontCenterIndex = world.Index("Carrow_Bridge");
  UpdateFront(form);
  EXPECT_EQ(form.FrontCenterName, "Carrow_Bridge");
  EXPECT_THAT(world.CampaignFile("campaign.tavrek"), HasSubstr("[Front]\r\nCarrow_Bridge\r\n"));
}

TEST(ResetObjects, PutsEveryColumnDownNearTheFrontWithOneDrawEach) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Bexley", "2", 0, 0}, {"Bexley_Airstrip", "2", 0, 0}, {"Carrow_Bridge", "0", 0, 0}});
  world.Objects({"  0_Static vehicles.artillery.Artillery$Flak 1 10000.00 50000.00 0.0 0.0"});
  const int tanks = world.AddColumn("Armor.3-Sherman", "1", "Isle");
  const int train = world.AddColumn("Trains.Cargo", "2", "Bexley_Rail_Station");
  const int ship = world.AddColumn("Ships.Destroyer", "2", "North_Sea");
  const int trucks = world.AddColumn("Vehicles.JapanCarsColumnB", "2", "Bexley");
  form.LastStationary = 0;
  form.Rand.SetSeed(11);
  RandomGenerator replay;
  replay.SetSeed(11);
  for (int c = 0; c < 4; ++c) replay.Random(form.LastLocation);
  ResetObjects(form);
  EXPECT_EQ(form.Rand.Seed(), replay.Seed());
  EXPECT_EQ(form.ColumnTable[train].ColumnPlace, "Blank");
  EXPECT_EQ(form.ColumnTable[ship].ColumnPlace, "Blank");
  for (const int c : {tanks, trucks}) {
    const ColumnEntry& column = form.ColumnTable[c];
    EXPECT_EQ(column.ColumnDestination, column.ColumnPlace);
    if (column.ColumnPlace == "Blank") continue;
    const std::string& owner = world.At(column.ColumnPlace).LocationArmy;
    EXPECT_TRUE(owner == column.ColumnArmy || owner == "0") << column.ColumnPlace;
  }
  // Armour that finds no place goes to the front centre.
  EXPECT_NE(form.ColumnTable[tanks].ColumnPlace, "Blank");
  EXPECT_THAT(world.CampaignFile("columns.tavrek"),
              HasSubstr("1_Chief Trains.Cargo 2 @Blank $Unit ~X"));
  EXPECT_EQ(world.CampaignFile("stationary.tavrek"),
            JoinLinesCrLf({"[NStationary]",
                           "  0_Static vehicles.artillery.Artillery$Flak 1 10000.00 50000.00 0.0 "
                           "0.0"}));
}

}  // namespace

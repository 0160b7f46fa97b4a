#include "campaign_progression/territory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "campaign_progression/territory_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;

// The territory file of Riverland as the rebuild from its front leaves it: west of the front
// centre Allied, east of it Axis, 20 troops each, 50 of both at the front centre; stations,
// the harbour and the sea hold no troops, the stations and the harbour take the owner of the
// nearest town.
const std::vector<std::string> kRebuiltTerritory{
    "Alden 1 allied=20 axis=0",
    "Carrow_Bridge 0 allied=50 axis=50",
    "Alden_Airfield 1 allied=20 axis=0",
    "Bexley 2 allied=0 axis=20",
    "Alden_Depot 1 allied=20 axis=0",
    "Alden_Ferry 1 allied=20 axis=0",
    "Isle_Ferry 1 allied=20 axis=0",
    "Bexley_Airstrip 2 allied=0 axis=20",
    "Isle 1 allied=20 axis=0",
    "Bexley_Rail_Station 2 allied=0 axis=0",
    "Alden_Rail_Station 1 allied=0 axis=0",
    "North_Sea 0 allied=0 axis=0",
    "Bexley_Harbor 2 allied=0 axis=0",
};

TEST(ReadTerritory, WithoutAFileRebuildsTheOwnersFromTheFrontAndWritesBothFiles) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  ReadTerritory(form);
  EXPECT_EQ(world.CampaignFile("territory.tavrek"), JoinLinesCrLf(kRebuiltTerritory));
  EXPECT_THAT(world.CampaignFile("locations.tavrek"),
              HasSubstr("\r\nCarrow_Bridge 0 24000.00 50000.00\r\n"));
  EXPECT_EQ(form.FrontCenterIndex, world.Index("Carrow_Bridge"));
  // The markers come from the file read back: held land places one, the contested bridge two,
  // the stations, the sea and the harbour none but their numbers.
  EXPECT_EQ(
      form.FrontMarkerText,
      JoinLinesCrLf({"[FrontMarker]", "  FrontMarker0 10000.00 50000.00 1",
                     "  FrontMarker1 24000.00 50000.00 1", "  FrontMarker2 24000.00 50000.00 2",
                     "  FrontMarker3 8000.00 52000.00 1", "  FrontMarker4 30000.00 50000.00 2",
                     "  FrontMarker5 9000.00 48000.00 1", "  FrontMarker6 10000.00 60000.00 1",
                     "  FrontMarker7 10000.00 70000.00 1", "  FrontMarker8 32000.00 52000.00 2",
                     "  FrontMarker9 10000.00 72000.00 1"}));
  EXPECT_THAT(form.ErrorText, HasSubstr("] Read Territory information.\r\n"));
}

TEST(ReadTerritory, CapsTheTroopsInMemoryAndLeavesTheFileToTheNextWrite) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> lines = kRebuiltTerritory;
  lines[0] = "Alden 1 allied=5000 axis=3";
  world.campaign.Write("territory.tavrek", JoinLinesCrLf(lines));
  ReadTerritory(form);
  EXPECT_EQ(world.At("Alden").TerritoryStrength[1], 1000);
  EXPECT_EQ(world.At("Alden").TerritoryStrength[2], 3);
  EXPECT_THAT(world.CampaignFile("territory.tavrek"), HasSubstr("allied=5000"));
  DefineTerritory(form);
  EXPECT_THAT(world.CampaignFile("territory.tavrek"), HasSubstr("Alden 1 allied=1000 axis=3\r\n"));
}

TEST(ReadTerritory, MarkersFollowTheLineNumbersAndThePatrolAreas) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  // A held town, a station, a contested town and an Axis town: numbers 0, 2 and 3, and 4.
  world.campaign.Write(
      "territory.tavrek",
      JoinLinesCrLf({"Alden 1 allied=1 axis=0", "Carrow_Bridge 2 allied=0 axis=0",
                     "Alden_Airfield 0 allied=0 axis=0", "Bexley 2 allied=0 axis=1"}));
  form.LocationTable[1].LocationName = "Carrow_Station";
  form.PatrolText[2] = "5000";
  form.PatrolText[3] = "6000";
  form.PatrolText[12 + 2 + 2] = " 7000 ";
  form.PatrolText[12 + 3 + 2] = "8000";
  ReadTerritory(form);
  EXPECT_EQ(
      form.FrontMarkerText,
      JoinLinesCrLf({"[FrontMarker]", "  FrontMarker0 10000.00 50000.00 1",
                     "  FrontMarker2 8000.00 52000.00 1", "  FrontMarker3 8000.00 52000.00 2",
                     "  FrontMarker4 30000.00 50000.00 2", "  FrontMarker911 5000.00 6000.00 1",
                     "  FrontMarker922 7000.00 8000.00 2"}));
  form.GameID = "IL2";
  ReadTerritory(form);
  EXPECT_EQ(form.FrontMarkerText, "");
}

struct BadLine {
  const char* line;
  const char* reason;
};

class BadTerritoryLines : public ::testing::TestWithParam<BadLine> {};

// A bad line is found before anything changes: the owners of the lines before it stay as
// they were, and the error names the file and the line.
TEST_P(BadTerritoryLines, AreReportedWithFileAndLineAndChangeNothing) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({}, "1");
  std::vector<std::string> lines = kRebuiltTerritory;
  lines[4] = GetParam().line;
  world.campaign.Write("territory.tavrek", JoinLinesCrLf(lines));
  try {
    ReadTerritory(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_THAT(error.what(), HasSubstr("territory.tavrek, line 5: "));
    EXPECT_THAT(error.what(), HasSubstr(GetParam().reason));
  }
  EXPECT_EQ(world.At("Bexley").LocationArmy, "1");
  EXPECT_THAT(form.ErrorText, HasSubstr("territory.tavrek, line 5: "));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadTerritoryLines,
    ::testing::Values(BadLine{"", "it is empty"},
                      BadLine{"Alden_Depot 1 axis=3", "it has no \"allied=\""},
                      BadLine{"Alden_Depot 1 allied=3", "it has no \"axis=\""},
                      BadLine{"Alden_Depot 1 allied=many axis=3", "not a whole number"},
                      BadLine{"Alden_Depot 1 allied=3 axis=3x", "not a whole number"},
                      BadLine{"Alden_Depot 7 allied=3 axis=3", "owner is not 0, 1 or 2"},
                      BadLine{"\x01\xff garbage", "owner is not"}));

TEST(ReadTerritory, MatchesLinesByIndexAndLogsWhatDoesNotFit) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Isle", "2", 0, 4}}, "1");
  std::vector<std::string> lines(kRebuiltTerritory.begin(), kRebuiltTerritory.begin() + 4);
  lines[2] = "Somewhere_Else 2 allied=0 axis=7";
  world.campaign.Write("territory.tavrek", JoinLinesCrLf(lines));
  ReadTerritory(form);
  EXPECT_EQ(world.At("Alden_Airfield").LocationArmy, "2");
  EXPECT_EQ(world.At("Alden_Airfield").TerritoryStrength[2], 7);
  EXPECT_THAT(form.ErrorText, HasSubstr("territory.tavrek, line 3 names Somewhere_Else but "
                                        "belongs to location 2, Alden_Airfield"));
  // A short file leaves the other places as they were.
  EXPECT_EQ(world.At("Isle").LocationArmy, "2");
  EXPECT_EQ(world.At("Isle").TerritoryStrength[2], 4);

  lines = kRebuiltTerritory;
  lines.push_back("Atlantis 1 allied=1 axis=0");
  world.campaign.Write("territory.tavrek", JoinLinesCrLf(lines));
  ReadTerritory(form);
  EXPECT_THAT(form.ErrorText, HasSubstr("territory.tavrek holds 14 lines for 13 locations; the "
                                        "lines after line 13 are ignored."));
  EXPECT_EQ(form.LocationTable[13].LocationArmy, "");
}

TEST(DefineTerritory, ZeroesTheTroopsOfPlacesThatHoldNone) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Bexley_Harbor", "2", 5, 6}, {"North_Sea", "0", 1, 1}, {"Bexley", "2", 0, 9}});
  DefineTerritory(form);
  EXPECT_EQ(world.At("Bexley_Harbor").TerritoryStrength[2], 0);
  EXPECT_EQ(world.At("North_Sea").TerritoryStrength[1], 0);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 9);
  EXPECT_THAT(world.CampaignFile("territory.tavrek"),
              HasSubstr("Bexley_Harbor 2 allied=0 axis=0\r\n"));
}

TEST(SetTgtNation, StationsTakeTheNearestHeldTownAndTiesGoToTheLowerIndex) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  // The station lies as far from the Isle ferry as from the Isle; the ferry comes first.
  world.Hold({{"Isle_Ferry", "2", 0, 0}, {"Isle", "1", 0, 0}, {"Alden", "0", 0, 0}}, "0");
  world.At("Alden_Rail_Station").LocationPosition = "10000.00 71000.00";
  SetTgtNation(form, 0);
  EXPECT_EQ(world.At("Alden_Rail_Station").LocationArmy, "2");
  EXPECT_THAT(form.ErrorText, HasSubstr("] Set Target Nation Began.\r\n"));
  EXPECT_THAT(form.ErrorText, HasSubstr("] Set Target Nation Ended.\r\n"));
}

TEST(SetTgtNation, SeaNodesTakeTheSideOfAColumnThereOutsideANewCampaign) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({}, "1");
  world.AddColumn("Ships.Destroyer", "2", "North_Sea");
  form.NewCampaignFlag = "Y";
  SetTgtNation(form, 0);
  EXPECT_EQ(world.At("North_Sea").LocationArmy, "0");
  form.NewCampaignFlag = "N";
  SetTgtNation(form, 0);
  EXPECT_EQ(world.At("North_Sea").LocationArmy, "2");
}

struct FixedOwner {
  const char* name;
  const char* map_title;
  int year;
  const char* owner;
  int troops;  // both sides' troops afterwards
};

class FixedOwners : public ::testing::TestWithParam<FixedOwner> {};

TEST_P(FixedOwners, WinOverEveryOtherRule) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  world.Hold({{"Isle", "0", 5, 5}}, "1");
  world.At("Isle").LocationName = GetParam().name;
  form.MapTitle = GetParam().map_title;
  form.CampaignYear = GetParam().year;
  SetTgtNation(form, 0);
  const LocationEntry& place = form.LocationTable[world.Index(GetParam().name)];
  EXPECT_EQ(place.LocationArmy, GetParam().owner);
  EXPECT_EQ(place.TerritoryStrength[1], GetParam().troops);
  EXPECT_EQ(place.TerritoryStrength[2], GetParam().troops);
}

INSTANTIATE_TEST_SUITE_P(
    Places, FixedOwners,
    ::testing::Values(FixedOwner{"English_Depot", "Riverland", 1944, "1", 5},
                      FixedOwner{"the_English_Channel", "Riverland", 1944, "1", 5},
                      FixedOwner{"the_English_Channel", "Balaton", 1944, "2", 5},
                      FixedOwner{"the_English_Channel", "Berlin1945", 1944, "2", 5},
                      FixedOwner{"Rabaul_Town", "Riverland", 1944, "2", 5},
                      FixedOwner{"Midway", "Riverland", 1944, "1", 0},
                      FixedOwner{"Okinawa", "Riverland", 1944, "2", 0},
                      FixedOwner{"Guam", "Riverland", 1942, "1", 0},
                      FixedOwner{"Guam", "Riverland", 1943, "0", 5},
                      FixedOwner{"Palau", "Riverland", 1944, "2", 0},
                      FixedOwner{"Tarawa_Atoll", "Riverland", 1944, "2", 0}));

// The owner rule on a large random map gives what comparing every place with every other
// gives: the nearest held town in whole metres, ties to the lower index, judged by the owners
// as the pass from the last index down leaves them.
TEST(SetTgtNation, TheNearestTownSearchAgreesWithComparingEveryPair) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(0, 30);
  std::uniform_int_distribution<int> kind(0, 9);
  const char* const owners[] = {"0", "1", "2"};
  form.LastLocation = 1499;
  for (int i = 0; i <= form.LastLocation; ++i) {
    LocationEntry& location = form.LocationTable[i];
    const int k = kind(random);
    location.LocationName = (k < 3 ? "Rail_Station_" : k == 3 ? "Midway" : "Town_") + IntToStr(i);
    if (k == 3) location.LocationName = "Midway";
    location.LocationArmy = owners[kind(random) % 3];
    // Coarse coordinates make many equal distances.
    location.LocationPosition =
        IntToStr(coordinate(random) * 1000) + ".00 " + IntToStr(coordinate(random) * 1000) + ".00";
  }
  form.LocationTable[17].LocationPosition = "bad";

  // The rule itself, pair by pair.
  std::vector<std::string> expected(1500);
  std::vector<std::string> army(1500);
  for (int i = 0; i < 1500; ++i) army[i] = form.LocationTable[i].LocationArmy;
  for (int i = 1499; i >= 0; --i) {
    const std::string& name = form.LocationTable[i].LocationName;
    if (Contains(name, "Station") && i != 17) {
      long long best = 999999999;
      int nearest = -1;
      const std::string& own = form.LocationTable[i].LocationPosition;
      const long long xi = StrToInt(own.substr(0, own.find('.')));
      const long long yi =
          StrToInt(own.substr(own.find(' ') + 1, own.rfind('.') - own.find(' ') - 1));
      for (int j = 0; j < 1500; ++j) {
        const std::string& other = form.LocationTable[j].LocationName;
        if (j == 17 || army[j] == "0" || Contains(other, "Station")) continue;
        const std::string& p = form.LocationTable[j].LocationPosition;
        const long long xj = StrToInt(p.substr(0, p.find('.')));
        const long long yj = StrToInt(p.substr(p.find(' ') + 1, p.rfind('.') - p.find(' ') - 1));
        const long long d = static_cast<long long>(
            std::sqrt(static_cast<double>((xj - xi) * (xj - xi) + (yj - yi) * (yj - yi))));
        if (d < best) {
          best = d;
          nearest = j;
        }
      }
      if (nearest >= 0) army[i] = army[nearest];
    }
    if (name == "Midway") army[i] = "1";
    expected[i] = army[i];
  }
  SetTgtNation(form, 0);
  for (int i = 0; i < 1500; ++i) {
    ASSERT_EQ(form.LocationTable[i].LocationArmy, expected[i]) << "location " << i;
  }
  EXPECT_THAT(form.ErrorText, HasSubstr("] Failed Target X/Y Coordinates for "));
}

TEST(SetTgtNation, RebuildFollowsTheMapAxisAtTheFrontCentre) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  form.MapAxis = "North";
  SetTgtNation(form, 1);
  // The front centre lies at y 50000: a place level with it is Allied, one a metre north Axis.
  EXPECT_EQ(world.At("Alden").LocationArmy, "1");
  EXPECT_EQ(world.At("Alden_Airfield").LocationArmy, "2");
  EXPECT_EQ(world.At("Alden_Depot").LocationArmy, "1");

  // Japanese island garrisons are stronger from 1944 on.
  for (const char* file : {"Riverland.rds", "Riverland.rls", "Riverland.srd"}) {
    std::string name = file;
    name.replace(0, 9, "Okinawa");
    world.program_folder.Write("data/" + name, ReadFileBytes(RiverlandWorld::Fixture(file)));
  }
  form.MapAxis = "East";
  form.MapName = "Okinawa";
  form.CampaignYear = 1944;
  SetTgtNation(form, 1);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 50);
  EXPECT_EQ(world.At("Carrow_Bridge").TerritoryStrength[1], 50);
  form.CampaignYear = 1943;
  SetTgtNation(form, 1);
  EXPECT_EQ(world.At("Bexley").TerritoryStrength[2], 20);
}

TEST(ReadTerritory, ARebuildWithoutTheFrontCentreIsAClearErrorAndWritesNothing) {
  RiverlandWorld world;
  TMainForm& form = *world.form;
  form.FrontCenterName = "Nowhere";
  EXPECT_THROW(
      {
        try {
          ReadTerritory(form);
        } catch (const ProgramError& error) {
          EXPECT_THAT(error.what(), HasSubstr("The front centre Nowhere is not a location of the "
                                              "map Riverland"));
          throw;
        }
      },
      ProgramError);
  EXPECT_FALSE(FileExists(world.campaign.Path() + "territory.tavrek"));
}

TEST(ReadTerritory, AnEmptyMapWithoutFilesWritesEmptyFilesAndGoesOn) {
  TestWorld world;
  TempFolder campaign;
  TMainForm& form = *world.form;
  form.CampaignFolder = campaign.Path();
  form.MapName = "Nowhere";
  form.TroopBox.Text = "1000";
  world.InstallProgramData();
  campaign.Write("campaign.tavrek", "[Map]\r\nNowhere\r\n\r\n");
  ReadTerritory(form);
  EXPECT_EQ(campaign.Read("territory.tavrek"), "");
  EXPECT_EQ(campaign.Read("locations.tavrek"), "");
  EXPECT_EQ(form.FrontMarkerText, "[FrontMarker]\r\n");
  EXPECT_EQ(form.LastLocation, -1);
  DefineTerritory(form);
  EXPECT_EQ(campaign.Read("territory.tavrek"), "");
}

}  // namespace

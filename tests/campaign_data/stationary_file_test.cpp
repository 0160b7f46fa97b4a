#include "campaign_data/stationary_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/map_routes.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/lakeland_map.h"

namespace {

using ::testing::HasSubstr;

std::string FileWith(const std::vector<std::string>& objects) {
  return "[NStationary]\r\n" + JoinLinesCrLf(objects);
}

// The made-up map with its locations built and the fixture's stationary.tavrek in place.
struct StationaryWorld : LakelandWorld {
  StationaryWorld() {
    campaign.Write("stationary.tavrek", ReadFileBytes(Fixture("stationary.tavrek")));
    TargetLocations(*form);
  }
};

TEST(LoadStationary, ReadsArmyAndPositionOfActiveAndInactiveObjects) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  form.StationaryObjectTable[1].StationaryMissionLine = "  left over from the last mission";
  LoadStationary(form);
  ASSERT_EQ(form.LastStationary, 5);
  EXPECT_EQ(form.InitialStationary, 5);
  EXPECT_EQ(form.StationaryObjectTable[0].StationaryLine,
            "  1_Static vehicles.artillery.Artillery$Flak37 2 20500.00 20300.00 360.00 0 1 1");
  EXPECT_EQ(form.StationaryObjectTable[0].StationaryArmy, "2");
  EXPECT_EQ(form.StationaryObjectTable[0].StationaryPosition, "20500.00 20300.00");
  // "X " marks an inactive object; it reads the same way.
  EXPECT_EQ(form.StationaryObjectTable[1].StationaryArmy, "2");
  EXPECT_EQ(form.StationaryObjectTable[1].StationaryPosition, "9000.00 19000.00");
  EXPECT_EQ(form.StationaryObjectTable[1].StationaryMissionLine, "");
  EXPECT_EQ(form.StationaryObjectTable[5].StationaryArmy, "2");
  EXPECT_THAT(form.ErrorText, HasSubstr("] Stationary Objects Check.\r\n"));
}

TEST(LoadStationary, ALoadFollowedByASaveLeavesTheFileAsItWas) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  LoadStationary(form);
  // Objects added for the coming mission are never saved.
  form.StationaryObjectTable[6].StationaryLine = "  99_Static vehicles.artillery.Artillery$Pak40 2";
  form.LastStationary = 6;
  SaveStationary(form);
  EXPECT_EQ(world.campaign.Read("stationary.tavrek"),
            ReadFileBytes(LakelandWorld::Fixture("stationary.tavrek")));
}

TEST(LoadStationary, APositionAtTheEndOfTheLineIsRead) {
  LakelandWorld world;
  world.campaign.Write("stationary.tavrek",
                       FileWith({"  1_Static Artillery$Flak37 1 10.00 20.00"}));
  TargetLocations(*world.form);
  LoadStationary(*world.form);
  EXPECT_EQ(world.form->StationaryObjectTable[0].StationaryPosition, "10.00 20.00");
}

TEST(StationaryList, FindsEachObjectsNearestLocation) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  StationaryList(form);
  ASSERT_EQ(form.LastStationary, 5);
  EXPECT_EQ(form.InitialStationary, 5);
  const std::vector<int> expected{
      kBirchford,
      // Aston and Aston_Station are both 1414 m away: the first location stays.
      kAston,
      // Redcliff_Beachhead lies 141 m away, but a beachhead is never an object's location.
      kDunmoreAirfield,
      // Aston 5000.25 m, Birchford 5000.25 m: whole metres tie, the first stays.
      kAston, kEastportHarbor, kWestSea};
  for (int i = 0; i <= form.LastStationary; ++i) {
    EXPECT_EQ(form.StationaryObjectTable[i].StationaryNearestLocation, expected[i]) << i;
  }
  EXPECT_THAT(form.ErrorText, HasSubstr("] Checking Stationary List\r\n"));
}

TEST(StationaryList, ABadCoordinateIsLoggedWithTheFileAndItsLine) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  world.campaign.Write(
      "stationary.tavrek",
      FileWith({"  1_Static Artillery$Flak37 2 20500.00 20300.00 0 0",
                "  2_Static Artillery$Flak37 2 20x00.00 20300.00 0 " + std::string(500, 'z')}));
  TargetLocations(form);
  try {
    StationaryList(form);
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& error) {
    const std::string expected =
        "stationary.tavrek line 3 (\"  2_Static Artillery$Flak37 2 20x00.00 20300.00 0 zzzzzzzzzz"
        "...\"): '20x00' is not a valid integer value";
    EXPECT_EQ(error.what(), expected);
    EXPECT_THAT(form.ErrorText, HasSubstr(expected));
  }
}

TEST(StationaryList, KeepsEveryObjectOnTheIndexLoadStationaryGivesIt) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  world.campaign.Write("stationary.tavrek",
                       FileWith({"  1_Static Artillery$Flak37 2 20500.00 20300.00 0 0", "",
                                 "  3_Static", "  4_Static Artillery$Zis3 1 59000.00 15000.00 0"}));
  TargetLocations(form);
  StationaryList(form);
  LoadStationary(form);
  ASSERT_EQ(form.LastStationary, 3);
  EXPECT_EQ(form.StationaryObjectTable[1].StationaryNearestLocation, -1);
  EXPECT_EQ(form.StationaryObjectTable[2].StationaryNearestLocation, -1);
  EXPECT_EQ(form.StationaryObjectTable[3].StationaryNearestLocation, kEastportHarbor);
  EXPECT_EQ(form.StationaryObjectTable[3].StationaryPosition, "59000.00 15000.00");
}

TEST(StationaryList, WithoutLocationsNoObjectHasANearestLocation) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  form.LastLocation = -1;
  StationaryList(form);
  for (int i = 0; i <= form.LastStationary; ++i) {
    EXPECT_EQ(form.StationaryObjectTable[i].StationaryNearestLocation, -1);
  }
  form.LastLocation = 0;
  EXPECT_THROW(
      {
        try {
          StationaryList(form);
        } catch (const ProgramError& error) {
          EXPECT_STREQ(error.what(), "The map has a single location.");
          throw;
        }
      },
      ProgramError);
}

TEST(StationaryLoaders, AMissingFileIsAnError) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  TargetLocations(form);
  for (void (*loader)(TMainForm&) : {&LoadStationary, &StationaryList}) {
    try {
      loader(form);
      ADD_FAILURE() << "no error";
    } catch (const ProgramError& error) {
      EXPECT_STREQ(error.what(), "No stationary.tavrek file found.\r\n");
    }
  }
  EXPECT_THAT(form.ErrorText, HasSubstr("] No stationary.tavrek file found.\r\n"));
  // The writer and the reset leave a campaign without the file alone.
  form.InitialStationary = 0;
  SaveStationary(form);
  StationaryReset(form);
  EXPECT_FALSE(std::filesystem::exists(world.campaign.Path() + "stationary.tavrek"));
}

TEST(StationaryLoaders, AFileLongerThanTheTableIsNotLoaded) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  TargetLocations(form);
  std::string text = "[NStationary]\r\n";
  for (int i = 0; i <= kStationaryCapacity; ++i) text += "  1_Static A$B 1 1.00 1.00 0\r\n";
  world.campaign.Write("stationary.tavrek", text);
  for (void (*loader)(TMainForm&) : {&LoadStationary, &StationaryList, &StationaryReset}) {
    EXPECT_THROW(loader(form), ProgramError);
  }
  EXPECT_EQ(form.LastStationary, -1);
  EXPECT_THAT(form.ErrorText,
              HasSubstr("stationary.tavrek holds 50002 objects, more than the 50001 a campaign "
                        "can hold; it is not loaded."));
  form.InitialStationary = -1;
  EXPECT_THROW(SaveStationary(form), ProgramError);
  EXPECT_EQ(world.campaign.Read("stationary.tavrek"), text);
}

TEST(SaveStationary, NothingLoadedNeverEmptiesTheFile) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  const std::string objects = FileWith({"  1_Static A$B 1 1.00 1.00 0"});
  world.campaign.Write("stationary.tavrek", objects);
  try {
    SaveStationary(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No Stationary Objects are present.");
  }
  EXPECT_EQ(world.campaign.Read("stationary.tavrek"), objects);
  // A campaign without static objects saves without complaint.
  world.campaign.Write("stationary.tavrek", "[NStationary]\r\n");
  TargetLocations(form);
  LoadStationary(form);
  EXPECT_EQ(form.InitialStationary, -1);
  SaveStationary(form);
  EXPECT_EQ(world.campaign.Read("stationary.tavrek"), "[NStationary]\r\n");
}

TEST(StationaryReset, MakesEveryObjectActiveAndKeepsLongLinesWhole) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  LoadStationary(form);
  form.StationaryObjectTable[0].StationaryArmy = "kept";
  StationaryReset(form);
  EXPECT_EQ(form.LastStationary, 5);
  EXPECT_EQ(form.InitialStationary, 5);
  const std::vector<std::string> lines = ReadTextLines(LakelandWorld::Fixture("stationary.tavrek"));
  for (int i = 0; i <= form.LastStationary; ++i) {
    EXPECT_EQ(form.StationaryObjectTable[i].StationaryLine, "  " + lines[i + 1].substr(2)) << i;
  }
  EXPECT_GT(form.StationaryObjectTable[4].StationaryLine.size(), 258u);
  EXPECT_EQ(form.StationaryObjectTable[0].StationaryArmy, "kept");
}

TEST(LoadStationary, ALostFrontCentreEndsTheCampaignAndStops) {
  StationaryWorld world;
  TMainForm& form = *world.form;
  form.FrontCenterCoord = -1;
  try {
    LoadStationary(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "The front line has left the map.");
  }
  EXPECT_FALSE(form.GMMenu.Enabled);
}

TEST(LoadStationary, BuildsTheLocationsFirstWhenNoFrontCentreIsKnown) {
  LakelandWorld world;
  TMainForm& form = *world.form;
  world.campaign.Write("stationary.tavrek",
                       ReadFileBytes(LakelandWorld::Fixture("stationary.tavrek")));
  form.FrontCenterCoord = 0;
  LoadStationary(form);
  EXPECT_EQ(form.LastLocation, kLakelandLocations - 1);
  EXPECT_EQ(form.FrontCenterPosition, "20000.00 20100.00");
}

}  // namespace

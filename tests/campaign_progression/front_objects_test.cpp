#include "campaign_progression/front_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/text.h"
#include "campaign_progression/front_object_classes.h"
#include "platform/errors.h"
#include "tests/campaign_progression/riverland.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Direction {
  const char* from;
  const char* toward;
  const char* reverse;
  int steps;
  int mode;
  const char* point;
};

class FrontDirections : public ::testing::TestWithParam<Direction> {};

TEST_P(FrontDirections, StepTwelveMetresAlongOrAcrossTheLine) {
  const Direction& d = GetParam();
  EXPECT_EQ(FrontDirection(d.from, d.toward, d.reverse, d.steps, d.mode), d.point);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FrontDirections,
    ::testing::Values(
        Direction{"1000.00 1000.00", "2000.00 2000.00", "N", 3, 0, "1025.00 974.00 315.0"},
        Direction{"1000.00 1000.00", "2000.00 2000.00", "Y", 3, 0, "974.00 1025.00 495.0"},
        Direction{"1000.00 1000.00", "2000.00 2000.00", "N", -2, 0, "983.00 1016.00 315.0"},
        Direction{"1000.00 1000.00", "2000.00 2000.00", "Y", 2, 1, "1016.00 1016.00 315.0"},
        Direction{"1000.00 2000.00", "1000.00 3000.00", "N", 1, 0, "1012.00 2000.00 630.0"},
        Direction{"1000.75 1000.25 20.00", "2000.00 2000.00", "N", 0, 0, "1000.00 1000.00 315.0"}));

TEST(FrontDirection, APositionWithoutDecimalPointsIsAConversionError) {
  EXPECT_THROW(FrontDirection("1000 1000", "2000.00 2000.00", "N", 1, 0), ConversionError);
}

// Riverland with the bridge contested and two stored objects.
struct FrontWorld : RiverlandWorld {
  FrontWorld() {
    Hold({{"Alden", "1", 20, 0}, {"Bexley", "2", 0, 20}, {"Carrow_Bridge", "0", 50, 50}});
    for (int s = 0; s < 2; ++s) {
      form->StationaryObjectTable[s].StationaryLine =
          "  " + IntToStr(s) +
          "_Static vehicles.artillery.Artillery$Flak 1 9000.00 50000.00 0.0 0.0";
      form->StationaryObjectTable[s].StationaryNearestLocation = -1;
    }
    form->LastStationary = 1;
    form->InitialStationary = 1;
    form->ActiveFront.Checked = true;
  }
  // The placed objects: their mission lines.
  std::vector<std::string> Placed() const {
    std::vector<std::string> lines;
    for (int s = 2; s <= form->LastStationary; ++s) {
      lines.push_back(form->StationaryObjectTable[s].StationaryMissionLine);
    }
    return lines;
  }
};

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  size_t at = 0;
  while ((at = line.find_first_not_of(' ', at)) != std::string::npos) {
    const size_t end = std::min(line.find(' ', at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

// Without trucks at the bridge each side fills its three sure slots: the Axis -3, -1 and 2
// from the first road point, the Allies -2, 1 and 3 from the fifth (a bridge's anchor), 12 m a
// slot along the road.
TEST(StationaryFront, LinesUpBothSidesAlongTheRoadFromTheContestedBridge) {
  FrontWorld world;
  TMainForm& form = *world.form;
  StationaryFront(form);
  EXPECT_EQ(form.InfoLabel.Caption, "Create Objects at Front");
  EXPECT_EQ(form.FrontCenterName, "Carrow_Bridge");
  const std::vector<std::string> placed = world.Placed();
  ASSERT_EQ(placed.size(), 6u);
  struct Expected {
    const char* name;
    const char* type;
    const char* side;
    int y;
  };
  const Expected expected[] = {
      {"100010_Static", "vehicles.artillery.Artillery$PaK40", "2", 49964},
      {"100020_Static", "vehicles.artillery.Artillery$ZIS3", "1", 50024},
      {"100030_Static", "vehicles.artillery.Artillery$PaK40", "2", 49988},
      {"100040_Static", "vehicles.artillery.Artillery$ZIS3", "1", 49988},
      {"100050_Static", "vehicles.artillery.Artillery$PaK40", "2", 50024},
      {"100060_Static", "vehicles.artillery.Artillery$ZIS3", "1", 49964},
  };
  for (size_t n = 0; n < placed.size(); ++n) {
    SCOPED_TRACE(placed[n]);
    EXPECT_THAT(placed[n], StartsWith("  1000"));
    const std::vector<std::string> words = Words(placed[n]);
    ASSERT_EQ(words.size(), 7u);
    EXPECT_EQ(words[0], expected[n].name);
    EXPECT_EQ(words[1], expected[n].type);
    EXPECT_EQ(words[2], expected[n].side);
    EXPECT_EQ(words[4], IntToStr(expected[n].y) + ".00");
    EXPECT_EQ(words[6], "0.0");
    EXPECT_EQ(form.StationaryObjectTable[static_cast<int>(n) + 2].StationaryArmy, expected[n].side);
    EXPECT_EQ(form.StationaryObjectTable[static_cast<int>(n) + 2].StationaryMissionPosition,
              words[3] + " " + words[4]);
  }
  // The Allied guns stand at the bridge's far end, the Axis guns at its near end.
  EXPECT_THAT(placed[1], HasSubstr(" 1 28000.00 "));
  EXPECT_THAT(placed[0], HasSubstr(" 2 20000.00 "));

  // Every call numbers its objects from 10001 again.
  form.LastStationary = form.InitialStationary;
  StationaryFront(form);
  EXPECT_THAT(world.Placed().front(), StartsWith("  100010_Static "));
}

TEST(StationaryFront, WithoutActiveFrontPlacesNothingButStillMovesTheFrontCentre) {
  FrontWorld world;
  TMainForm& form = *world.form;
  form.ActiveFront.Checked = false;
  world.At("Isle").LocationArmy = "0";
  world.At("North_Sea").LocationArmy = "0";
  StationaryFront(form);
  EXPECT_EQ(form.LastStationary, 1);
  EXPECT_EQ(form.FrontCenterName, "Isle");
  EXPECT_EQ(form.FrontCenterIndex, world.Index("Isle"));
}

TEST(StationaryFront, AnOverwhelmedSideShowsNoGunsOutsideANewCampaign) {
  FrontWorld world;
  TMainForm& form = *world.form;
  world.At("Carrow_Bridge").LocationCombat = {1, 1, 7, 1};
  StationaryFront(form);
  for (const std::string& line : world.Placed()) EXPECT_THAT(line, HasSubstr(" 2 "));
  EXPECT_EQ(world.Placed().size(), 3u);
  form.LastStationary = form.InitialStationary;
  form.NewCampaignFlag = "Y";
  StationaryFront(form);
  EXPECT_EQ(world.Placed().size(), 6u);
}

TEST(StationaryFront, TheBattlesOwnClassReplacesTheChosenOne) {
  FrontWorld world;
  TMainForm& form = *world.form;
  form.FrontObjectTable[5] = "vehicles.artillery.Artillery$M4A2_US";
  form.FrontObjectTable[9] = "tank";  // five characters or fewer: ignored
  StationaryFront(form);
  for (const std::string& line : world.Placed()) {
    EXPECT_THAT(
        line, ::testing::AnyOf(HasSubstr("Artillery$M4A2_US 1 "), HasSubstr("Artillery$PaK40 2 ")));
  }
}

TEST(StationaryFront, TrucksAtTheFrontFillFurtherSlotsOnTheirDraws) {
  size_t most = 0;
  for (std::uint32_t n = 1; n <= 6; ++n) {
    FrontWorld world;
    TMainForm& form = *world.form;
    world.AddColumn("Vehicles.USACarsColumnA", "1", "Carrow_Bridge");
    world.AddColumn("Vehicles.GermanyCarsColumnA", "2", "Carrow_Bridge");
    form.Rand.SetSeed(n * 2654435761u);
    StationaryFront(form);
    const std::vector<std::string> placed = world.Placed();
    EXPECT_GE(placed.size(), 6u);
    EXPECT_LE(placed.size(), 12u);
    most = std::max(most, placed.size());
  }
  EXPECT_GT(most, 6u);
}

TEST(StationaryFront, StopsAtTheCapacityOfTheObjectTable) {
  FrontWorld world;
  TMainForm& form = *world.form;
  const int capacity = StationaryObjectTableType::kCapacity;
  form.LastStationary = capacity - 3;
  StationaryFront(form);
  EXPECT_EQ(form.LastStationary, capacity - 1);
  EXPECT_THAT(form.ErrorText, HasSubstr("The static-object table is full"));
}

TEST(StationaryFront, ObjectsStandAtTheHeldTownNearestThem) {
  FrontWorld world;
  TMainForm& form = *world.form;
  form.ActiveFront.Checked = false;
  StationaryEntry& in_town = form.StationaryObjectTable[0];
  in_town.StationaryMissionLine = in_town.StationaryLine;
  in_town.StationaryArmy = "1";
  in_town.StationaryNearestLocation = world.Index("Alden");
  StationaryEntry& at_airfield = form.StationaryObjectTable[1];
  at_airfield.StationaryMissionLine = at_airfield.StationaryLine;
  at_airfield.StationaryArmy = "1";
  at_airfield.StationaryNearestLocation = world.Index("Alden_Airfield");
  StationaryFront(form);
  EXPECT_EQ(in_town.StationaryMissionPosition, "10000.00 50000.00");
  EXPECT_EQ(at_airfield.StationaryMissionPosition, "9000.00 50000.00");
}

struct ClassCase {
  const char* name;
  int year;
  int month;
  const char* load_path;
  int allied_id;
  int axis_id;
  const char* game;
  const char* allied;
  const char* axis;
};

class FrontClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(FrontClasses, FollowYearMapNationAndEdition) {
  TestWorld world;
  TMainForm& form = *world.form;
  const ClassCase& c = GetParam();
  form.CampaignYear = c.year;
  form.CampaignMonth = c.month;
  form.MapName = "Normandy";
  form.MapLoadPath = c.load_path;
  form.AlliedID = c.allied_id;
  form.AxisID = c.axis_id;
  form.GameID = c.game;
  EXPECT_EQ(AlliedFrontClass(form), c.allied);
  EXPECT_EQ(AxisFrontClass(form), c.axis);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, FrontClasses,
    ::testing::Values(
        ClassCase{"Normandy1941", 1941, 5, "None", 0, 5, "AEP", "MatildaMkII_UK", "PaK35"},
        ClassCase{"Normandy1944", 1944, 6, "None", 0, 1, "AEP", "ZIS3", "PaK40"},
        ClassCase{"EarlyWar", 1937, 5, "None", 0, 1, "AEP", "T40S", "PaK35"},
        ClassCase{"NormandyAmericans", 1944, 6, "None", 0, 1, "1946", "M5_75mm", "PaK40"},
        ClassCase{"Okinawa1942", 1942, 3, "Okinawa/load.ini", 2, 11, "1946", "_50calMG_water_US",
                  "Type94_37mm_JA"},
        ClassCase{"Okinawa1943", 1943, 7, "Okinawa/load.ini", 0, 1, "AEP", "M3A1Stuart",
                  "Type94_37mm_JA"},
        ClassCase{"Australians", 1940, 7, "None", 3, 5, "AEP", "MatildaMkII_AU", "PaK35"},
        ClassCase{"British", 1942, 7, "None", 4, 5, "AEP", "ValentineII", "PaK35"},
        ClassCase{"ChinaPF", 1944, 7, "None", 12, 13, "PF", "M4A2_US", "PaK35"},
        ClassCase{"Chinese1940", 1940, 7, "None", 7, 13, "PF", "Type38_75mm", "Type94_37mm_JA"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrontMapKey, IsTheMapFolderOfTheLoadPathOrTheMapName) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.MapName = "SandsOfTime";
  form.MapLoadPath = "Okinawa/load.ini";
  EXPECT_EQ(FrontMapKey(form), "okinawa");
  form.MapLoadPath = "None";
  EXPECT_EQ(FrontMapKey(form), "sandsoftime");
  form.MapLoadPath = "a/b";
  EXPECT_EQ(FrontMapKey(form), "sandsoftime");
}

}  // namespace

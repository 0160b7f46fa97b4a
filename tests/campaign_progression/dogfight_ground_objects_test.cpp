#include "campaign_progression/dogfight_ground_objects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_progression/front_objects.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const char* const kStart = "50000.00 60000.00";
const char* const kNext = "50000.00 61000.00";

// A map of two places and routed columns standing at the first, in April 1945.
struct ObjectsWorld : TestWorld {
  ObjectsWorld() {
    InstallProgramData();
    TMainForm& f = *form;
    f.GameID = "1946";
    f.CampaignYear = 1945;
    f.LocationTable[0].LocationName = "Chatan";
    f.LocationTable[0].LocationPosition = "52000.00 64000.00";
    f.LocationTable[1].LocationName = "Futema";
    f.LocationTable[1].LocationPosition = "60000.00 60000.00";
    f.LastLocation = 1;
    f.RuShipSkillBox.Text = "Average";
    f.DDRoFBox.Text = "10.0";
  }
  int AddColumn(const std::string& type, const std::string& army, const std::string& status,
                const std::string& place = "Chatan") {
    TMainForm& f = *form;
    const int c = ++f.LastColumn;
    ColumnEntry& column = f.ColumnTable[c];
    column.ColumnName = std::to_string(c) + "_Chief";
    column.ColumnType = column.ColumnName + " " + type + " " + army;
    column.ColumnArmy = army;
    column.ColumnStatus = status;
    column.ColumnPlace = place;
    column.ColumnDestination = "Futema";
    column.ColumnMobile = "Y";
    column.ColumnRoute[0] = std::string(kStart) + " 120.00 ";
    column.ColumnRoute[1] = std::string(kNext) + " 120.00 ";
    return c;
  }
  std::vector<std::string> Placed() const {
    std::vector<std::string> lines;
    for (int i = 0; i <= form->LastStationary; ++i) {
      lines.push_back(form->StationaryObjectTable[i].StationaryMissionLine);
    }
    return lines;
  }
};

TEST(DogfightColumns, AnEngagedArtilleryColumnDeploysItsGunsAndStops) {
  ObjectsWorld world;
  const int c = world.AddColumn("Vehicles.RussiaCarsColumnC", "1", "Y");
  world.AddColumn("Vehicles.USACarsColumnA", "1", "");  // moving trucks: nothing
  DogfightColumns(*world.form);
  const std::vector<std::string> placed = world.Placed();
  const std::vector<std::string> expected_classes{
      "vehicles.stationary.Stationary$GAZ67t 1",
      "vehicles.stationary.Stationary$StudebeckerTruck 1",
      "vehicles.artillery.Artillery$ML20 1",
      "vehicles.stationary.Stationary$StudebeckerTruck 1",
      "vehicles.artillery.Artillery$ML20 1",
      "vehicles.stationary.Stationary$StudebeckerTruck 1",
      "vehicles.artillery.Artillery$ML20 1",
  };
  ASSERT_EQ(placed.size(), expected_classes.size());
  for (size_t n = 0; n < placed.size(); ++n) {
    EXPECT_THAT(placed[n],
                StartsWith("  0_Chief" + std::to_string(n + 1) + " " + expected_classes[n] + " "));
    EXPECT_THAT(placed[n], ::testing::EndsWith(" 0.0 0"));
    EXPECT_EQ(world.form->StationaryObjectTable[static_cast<int>(n)].StationaryArmy, "1");
  }
  EXPECT_EQ(world.form->ColumnTable[c].ColumnMobile, "N");
  EXPECT_EQ(world.form->ColumnTable[1].ColumnMobile, "Y");
}

TEST(DogfightColumns, ArmourDeploysAsManyGunsAsItsVehicleDigitSays) {
  struct Case {
    const char* type;
    size_t objects;
  };
  const Case cases[] = {{"Armor.2-M16_US", 2}, {"Armor.0-M4A2_US", 0}, {"Armor.X-M4A2_US", 4}};
  for (const Case& c : cases) {
    ObjectsWorld world;
    world.AddColumn(c.type, "1", "X");  // stopped for lack of fuel
    DogfightColumns(*world.form);
    EXPECT_EQ(world.Placed().size(), c.objects) << c.type;
    for (const std::string& line : world.Placed()) {
      EXPECT_THAT(line, HasSubstr("vehicles.artillery.Artillery$M")) << c.type;
    }
  }
}

TEST(DogfightColumns, ColumnsOfOneKindAtOnePlaceLineUpOneAfterAnother) {
  ObjectsWorld world;
  world.form->Dogfight.Checked = true;
  world.AddColumn("Armor.3-M4A2_US", "1", "");
  world.AddColumn("Armor.3-M4A2_US", "1", "");
  DogfightColumns(*world.form);
  const std::vector<std::string> placed = world.Placed();
  ASSERT_EQ(placed.size(), 6u);
  // The first column's objects take steps 0 to 6 (three of them shown), the second's go on at 7.
  const std::string reference = world.form->LocationTable[0].LocationPosition;
  for (int step : {0, 1, 2}) {
    EXPECT_THAT(placed[static_cast<size_t>(step)],
                HasSubstr(FrontDirection(kStart, reference, "N", step, 0)));
  }
  EXPECT_THAT(placed[3], HasSubstr(FrontDirection(kStart, reference, "N", 7, 0)));
  EXPECT_THAT(placed[3], StartsWith("  1_Chief1 "));
}

TEST(DogfightColumns, InTheDogfightModeShipsCarrySkillAndRateOfFire) {
  ObjectsWorld world;
  world.form->Dogfight.Checked = true;
  world.AddColumn("Ships.USSFletcherDD445", "1", "", "Kerama_Retto_Patrol");
  DogfightColumns(*world.form);
  ASSERT_EQ(world.Placed().size(), 1u);
  EXPECT_THAT(world.Placed()[0], StartsWith("  0_Chief1 ships.Ship$USSFletcherDD445 1 "));
  EXPECT_THAT(world.Placed()[0], ::testing::EndsWith(" 0.0 0 1 10.0"));
}

TEST(DogfightColumns, AColumnOnAFerryOrWithoutARouteStaysAColumn) {
  ObjectsWorld world;
  world.form->Dogfight.Checked = true;
  const int ferry = world.AddColumn("Armor.3-M4A2_US", "1", "", "Motobu_Ferry");
  world.form->ColumnTable[ferry].ColumnDestination = "Ie_Shima_Ferry";
  const int unrouted = world.AddColumn("Armor.3-M4A2_US", "1", "");
  world.form->ColumnTable[unrouted].ColumnRoute[0] = "  ";
  DogfightColumns(*world.form);
  EXPECT_TRUE(world.Placed().empty());
}

TEST(ShipSkill, FollowsTheSidesSkillBox) {
  TestWorld world;
  TMainForm& form = *world.form;
  for (const auto& [chosen, digit] : std::vector<std::pair<std::string, std::string>>{
           {"Rookie", "0"}, {"Average", "1"}, {"Veteran", "2"}, {"Ace", "3"}, {"", "1"}}) {
    form.RuShipSkillBox.Text = chosen;
    form.DeShipSkillBox.Text = "Ace";
    EXPECT_EQ(ShipSkill(form, "1"), digit) << chosen;
    EXPECT_EQ(ShipSkill(form, "2"), "3");
  }
}

TEST(SetRoF, WritesSkillAndRateOfFireIntoShipColumnsAndObjects) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  form.RuShipSkillBox.Text = "Veteran";
  form.DeShipSkillBox.Text = "Rookie";
  form.DDRoFBox.Text = "5.0 ";
  StationaryEntry& junk = form.StationaryObjectTable[39];
  junk.StationaryLine = "X " + junk.StationaryLine.substr(2);
  SetRoF(form);
  EXPECT_EQ(form.ColumnTable[campaign.Column("7_Chief")].ColumnType,
            "7_Chief Ships.USSFletcherDD445 1 0 2 5.0 ");
  EXPECT_EQ(form.ColumnTable[campaign.Column("17_Chief")].ColumnType,
            "17_Chief Ships.IJNAkizukiDD42 2 0 0 5.0 ");
  EXPECT_EQ(form.ColumnTable[campaign.Column("0_Chief")].ColumnType, "0_Chief Armor.3-M4A2_US 1");
  const std::vector<std::string> objects = campaign.CampaignLines("stationary.tavrek");
  EXPECT_EQ(objects[19], "  18_Static ships.Ship$Tramp 1 49400.00 83700.00 270.00 0.0 0 2 5.0 ");
  EXPECT_EQ(objects[40],
            "X 39_Static ships.Ship$IJNFishJunkA 2 97700.00 62850.00 0.00 0.0 0 0 5.0 ");
  EXPECT_EQ(campaign.CampaignLines("columns.tavrek")[7],
            "7_Chief Ships.USSFletcherDD445 1 @Kerama_Retto_Patrol $USS_Bush ~A");
}

}  // namespace

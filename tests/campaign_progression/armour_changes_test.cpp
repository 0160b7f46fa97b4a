#include "campaign_progression/armour_changes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "campaign_data/messages.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/campaign_progression/course_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::HasSubstr;

struct Armour {
  const char* name;
  const char* start;
  const char* end;
  const char* upgrade;
};

// A campaign in June 1943 with one column and a small armour table.
struct ArmourWorld : TestWorld {
  explicit ArmourWorld(const std::vector<Armour>& armour) {
    TMainForm& f = *form;
    f.CampaignYear = 1943;
    f.CampaignMonth = 6;
    f.CampaignDay = 1;
    for (size_t a = 0; a < armour.size(); ++a) {
      ArmorEntry& entry = f.ArmorTable[static_cast<int>(a)];
      entry.ArmorName = armour[a].name;
      entry.ArmorServiceStart = armour[a].start;
      entry.ArmorServiceEnd = armour[a].end;
      entry.ArmorUpgrade = armour[a].upgrade;
    }
    f.LastArmor = static_cast<int>(armour.size()) - 1;
    ColumnEntry& column = f.ColumnTable[0];
    column.ColumnName = "0_Chief";
    column.ColumnArmy = "1";
    column.ColumnPlace = "Kursk";
    column.ColumnDestination = "Kursk";
    column.ColumnArmorChange = "N";
    f.LastColumn = 0;
  }
  ColumnEntry& Column() { return form->ColumnTable[0]; }
};

const std::vector<Armour> kSovietArmour{
    {"3-BT7", "193501", "194212", "3-T34"},  {"3-T34", "194101", "194405", "3-T3485"},
    {"3-T3485", "194403", "194505", "none"}, {"3-KV1", "194101", "194305", "none"},
    {"3-IS2", "194403", "194505", "none"},
};

TEST(ArmorUpGrade, ChangesTypesByTheirServiceDates) {
  struct Case {
    const char* name;
    const char* type;
    bool tank_downgrades;
    const char* type_after;
    const char* place_after;
    const char* mark_after;
  };
  const Case cases[] = {
      {"in service", "0_Chief Armor.3-T3485 1", false, "0_Chief Armor.3-T3485 1", "Future", "-1"},
      {"out of service, no successor", "0_Chief Armor.3-KV1 1", false, "0_Chief Armor.3-KV1 1",
       "Blank", "+1"},
      {"out of service, a successor in reserve", "0_Chief Armor.3-BT7 1", false,
       "0_Chief Armor.3-T34 1", "Blank", "+1"},
      {"not yet in service", "0_Chief Armor.3-IS2 1", false, "0_Chief Armor.3-IS2 1", "Future",
       "-1"},
      {"not yet in service, held back by its predecessor", "0_Chief Armor.3-T3485 1", true,
       "0_Chief Armor.3-T34 1", "Future", "-1"},
      {"a type the table does not know", "0_Chief Armor.3-Panther 1", false,
       "0_Chief Armor.3-Panther 1", "Kursk", "N"},
      // "none" names no type, however the column's text reads.
      {"a text holding \"ne \"", "0_Chief Vehicles.Machine 1", false, "0_Chief Vehicles.Machine 1",
       "Kursk", "N"},
  };
  for (const Case& c : cases) {
    std::vector<Armour> armour = kSovietArmour;
    if (std::string(c.name) == "in service") armour[2].start = "194306";  // June 1943 itself
    ArmourWorld world(armour);
    world.form->TankDG.Checked = c.tank_downgrades;
    world.Column().ColumnType = c.type;
    ArmorUpGrade(*world.form, 0);
    const std::string name = c.name;
    if (name == "in service") {
      EXPECT_EQ(world.Column().ColumnPlace, "Kursk") << name;
      EXPECT_EQ(world.Column().ColumnArmorChange, "N") << name;
      continue;
    }
    EXPECT_EQ(world.Column().ColumnType, c.type_after) << name;
    EXPECT_EQ(world.Column().ColumnPlace, c.place_after) << name;
    EXPECT_EQ(world.Column().ColumnArmorChange, c.mark_after) << name;
  }
}

TEST(ArmorUpGrade, StepsThroughLaterUpgradesInOneCall) {
  ArmourWorld world({{"3-A", "193501", "194012", "3-B"},
                     {"3-B", "194001", "194212", "3-C"},
                     {"3-C", "194201", "194512", "none"}});
  world.Column().ColumnType = "0_Chief Armor.3-A 1";
  ArmorUpGrade(*world.form, 0);
  EXPECT_EQ(world.Column().ColumnType, "0_Chief Armor.3-C 1");
  EXPECT_EQ(world.Column().ColumnDestination, "Blank");
}

// One map location (so every draw picks it) and one column.
struct StartCase {
  const char* name;
  const char* place;
  const char* owner;
  const char* type;
  const char* army;
  const char* unit;
  const char* expected;
};

class StartPlaces : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartPlaces, KeepColumnsWhereTheyCanStand) {
  const StartCase& c = GetParam();
  TestWorld world;
  TempFolder campaign;
  TMainForm& form = *world.form;
  form.CampaignFolder = campaign.Path();
  campaign.Write("columns.tavrek", "");
  form.CampaignYear = 1945;
  form.CampaignMonth = 4;
  form.FrontCenterName = "Futema";
  form.AlliedShipEntry = "East_China_Sea";
  form.AxisShipEntry = "Pacific_Ocean";
  form.MapName = std::string(c.name) == "on Wake" ? "Wake" : "Okinawa";
  if (std::string(c.name).find("Normandy") != std::string::npos) {
    form.CampaignType = "Western_Campaign";
    form.BattleName = "Normandy44";
  }
  LocationEntry& location = form.LocationTable[0];
  location.LocationName = c.place;
  location.LocationArmy = c.owner;
  location.LocationOffMap = std::string(c.name) == "off the map" ? "Y" : "";
  form.LastLocation = 0;
  ColumnEntry& column = form.ColumnTable[0];
  column.ColumnName = "4_Chief";
  column.ColumnType = std::string("4_Chief ") + c.type + " " + c.army;
  column.ColumnArmy = c.army;
  column.ColumnUnitName = c.unit;
  column.ColumnMarks = "A";
  form.LastColumn = 0;
  StartArmor(form);
  EXPECT_EQ(column.ColumnPlace, c.expected);
  EXPECT_EQ(column.ColumnDestination, c.expected);
  EXPECT_EQ(ReadFileBytes(campaign.Path() + "columns.tavrek"),
            "4_Chief " + std::string(c.type) + " " + c.army + " @" + c.expected + " $" + c.unit +
                " ~" + (std::string(c.expected) == "Blank" ? "X" : "A") + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartPlaces,
    ::testing::Values(
        StartCase{"own town", "Chatan", "1", "Vehicles.USACarsColumnA", "1", "Trucks", "Chatan"},
        StartCase{"contested town", "Chatan", "0", "Vehicles.USACarsColumnA", "1", "Trucks",
                  "Chatan"},
        StartCase{"enemy town", "Naha", "2", "Vehicles.USACarsColumnA", "1", "Trucks", "Futema"},
        StartCase{"truck at a station", "Naha_Rail_Station", "1", "Vehicles.USACarsColumnA", "1",
                  "Trucks", "Blank"},
        StartCase{"train at a station", "Naha_Rail_Station", "2", "Trains.Japan_CargoTrain", "2",
                  "Train", "Naha_Rail_Station"},
        StartCase{"train at a railyard", "Naha_Railyard", "2", "Trains.Japan_CargoTrain", "2",
                  "Train", "Blank"},
        StartCase{"truck in a harbour", "Hagushi_Harbor", "1", "Vehicles.USACarsColumnA", "1",
                  "Trucks", "Blank"},
        StartCase{"beachhead", "Hagushi_Beachhead", "1", "Armor.3-M4A2_US", "1", "Tanks", "Blank"},
        StartCase{"English base", "English_Airfield", "1", "Armor.3-M4A2_US", "1", "Tanks",
                  "Blank"},
        StartCase{"off the map", "Kikai_Airfield", "2", "Armor.3-Type95_HaGo_JA", "2", "Tanks",
                  "Blank"},
        StartCase{"Allied ships", "Chatan", "1", "Ships.USSFletcherDD445", "1", "USS_Bush",
                  "East_China_Sea"},
        StartCase{"Japanese ships", "Chatan", "0", "Ships.IJNAkizukiDD42", "2", "Suzutsuki",
                  "Pacific_Ocean"},
        StartCase{"a sunk ship stays sunk", "Chatan", "1", "Ships.USSEssexCV9", "1", "Sunk",
                  "Blank"},
        StartCase{"on Wake", "Chatan", "1", "Armor.3-M4A2_US", "1", "Tanks", "Blank"},
        StartCase{"German armour in Normandy", "Bayeux", "0", "Armor.3-PzIVF2", "2", "Panzer",
                  "Caen"},
        StartCase{"a German column on a Normandy beach", "Gold_Beach", "0",
                  "Vehicles.GermanyCarsColumnA", "2", "Trucks", "Caen"}),
    [](const ::testing::TestParamInfo<StartCase>& info) {
      std::string name;
      for (const char ch : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
      }
      return name;
    });

TEST(StartArmor, ReplacesTheFileWholeKeepingUnitNamesAndMarks) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  const int essex = campaign.Column("6_Chief");
  form.ColumnTable[essex].ColumnUnitName = "Sunk";
  form.ColumnTable[essex].ColumnMarks = "C";
  StartArmor(form);
  const std::vector<std::string> lines = campaign.CampaignLines("columns.tavrek");
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_THAT(lines[0], HasSubstr("$713_Tank_Battalion"));
  EXPECT_EQ(lines[6], "6_Chief Ships.USSEssexCV9 1 @Blank $Sunk ~X");
  EXPECT_THAT(lines[14], HasSubstr("$Naha_Equipment_Train ~"));
  for (const std::string& line : lines) {
    EXPECT_THAT(line, HasSubstr(" $")) << line;
    EXPECT_THAT(line, HasSubstr(" ~")) << line;
  }
}

TEST(StartArmor, WithoutAColumnFileStopsBeforeChangingAnything) {
  CourseCampaign campaign;
  TMainForm& form = campaign.Form();
  DeleteFile(campaign.CampaignFolder() + "columns.tavrek");
  const std::string place = form.ColumnTable[0].ColumnPlace;
  try {
    StartArmor(form);
    FAIL() << "no error";
  } catch (const ProgramError& error) {
    EXPECT_STREQ(error.what(), "No columns.tavrek found.");
  }
  EXPECT_EQ(form.ColumnTable[0].ColumnPlace, place);
  EXPECT_FALSE(FileExists(campaign.CampaignFolder() + "columns.tavrek"));
  EXPECT_TRUE(campaign.LogHolds("No columns.tavrek found."));
}

TEST(ReplaceArmy, NamesTheSideAsTheMapCallsIt) {
  struct Case {
    const char* side;
    int allied_id;
    int axis_id;
    const char* map;
    const char* text;
  };
  const Case cases[] = {
      {"1", 2, 11, "Okinawa", "American forces"},  {"2", 2, 11, "Okinawa", "Japanese forces"},
      {"1", 0, 1, "Kursk", "Soviet forces"},       {"2", 0, 1, "Kursk", "German forces"},
      {"1", 0, 1, "Okinawa", "American forces"},   {"2", 0, 1, "Okinawa", "Japanese forces"},
      {"1", 0, 1, "Normandy", "Allied forces"},    {"1", 0, 1, "FinsGulf", "Soviet forces"},
      {"2", 0, 1, "FinsGulf", "Axis forces"},      {"1", 0, 1, "NewGuinea", "Allied forces"},
      {"2", 0, 1, "NewGuinea", "Japanese forces"}, {"0", 2, 11, "Okinawa", " forces"},
  };
  TestWorld world;
  world.InstallProgramData();
  TMainForm& form = *world.form;
  GetMessages(form);
  for (const Case& c : cases) {
    form.AlliedID = c.allied_id;
    form.AxisID = c.axis_id;
    form.MapName = c.map;
    EXPECT_EQ(ReplaceArmy(form, "<ARMY> forces", c.side), c.text) << c.side << " " << c.map;
  }
}

}  // namespace

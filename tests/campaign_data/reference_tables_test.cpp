#include "campaign_data/reference_tables.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "campaign_data/aircraft_classes.h"
#include "platform/errors.h"
#include "platform/text_file.h"
#include "tests/campaign_data/reference_data_fixture.h"
#include "tests/support/test_world.h"

namespace {

std::string ArmorLine(const std::string& name, const std::string& value_a,
                      const std::string& value_b) {
  return ColumnLine({{1, name},
                     {19, "1"},
                     {21, "194101"},
                     {28, "194512"},
                     {34, "T-34-85"},
                     {53, value_a},
                     {56, value_b}});
}

TEST(ReferenceTables, ReferenceFilesComeFromTheCampaignDataFolderFirst) {
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder campaign_data;
  campaign_data.Write("armor.tavrek", "");
  const std::string program_copy = world.program_folder.Path() + "data\\armor.tavrek";

  EXPECT_EQ(ReferenceFilePath(form, "armor.tavrek"), program_copy);
  form.CampaignDataFolder = campaign_data.Path();
  EXPECT_EQ(ReferenceFilePath(form, "armor.tavrek"), campaign_data.Path() + "armor.tavrek");
  EXPECT_EQ(ReferenceFilePath(form, "maps.tavrek"),
            world.program_folder.Path() + "data\\maps.tavrek");
}

TEST(ReferenceTables, ArmorColumnsAndStrengths) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write("data/armor.tavrek", JoinLinesCrLf({ArmorLine("T-34-76", "12", " 8"),
                                                                 ArmorLine("Pz-III", "7 ", "x"), "",
                                                                 ArmorLine("Truck", "", "-3")}));
  ArmorList(form);

  ASSERT_EQ(form.LastArmor, 3);
  const ArmorEntry& t34 = form.ArmorTable[0];
  EXPECT_EQ(t34.ArmorName, "T-34-76");
  EXPECT_EQ(t34.ArmorArmy, "1");
  EXPECT_EQ(t34.ArmorServiceStart, "194101");
  EXPECT_EQ(t34.ArmorServiceEnd, "194512");
  EXPECT_EQ(t34.ArmorUpgrade, "T-34-85");
  EXPECT_EQ(t34.ArmorValueA, 12);
  EXPECT_EQ(t34.ArmorValueB, 8);
  // A left-aligned digit and text are no right-aligned numbers.
  EXPECT_EQ(form.ArmorTable[1].ArmorValueA, 10);
  EXPECT_EQ(form.ArmorTable[1].ArmorValueB, 10);
  EXPECT_EQ(form.ArmorTable[2].ArmorName, "");
  EXPECT_EQ(form.ArmorTable[2].ArmorValueA, 10);
  EXPECT_EQ(form.ArmorTable[3].ArmorValueA, 10);
  EXPECT_EQ(form.ArmorTable[3].ArmorValueB, -3);
}

TEST(ReferenceTables, FilesLongerThanTheirTablesLoadTheFirstEntriesOnly) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::vector<std::string> armor;
  for (int i = 0; i < 600; ++i) armor.push_back(ArmorLine("V" + std::to_string(i), "11", "11"));
  world.program_folder.Write("data/armor.tavrek", JoinLinesCrLf(armor));
  std::vector<std::string> objects(1100, ColumnLine({{1, "Obj"}, {57, "1"}}));
  world.program_folder.Write("data/gobjects.tavrek", JoinLinesCrLf(objects));
  std::string ships;
  for (int c = 0; c < 1030; ++c) ships += "[Class" + std::to_string(c) + "]\r\nName\r\n";
  world.program_folder.Write("data/shipnames.tavrek", ships);

  ArmorList(form);
  InitializeGroundUnits(form);
  LoadShipInfo(form);
  EXPECT_EQ(form.LastArmor, 500);
  EXPECT_EQ(form.ArmorTable[500].ArmorName, "V500");
  EXPECT_EQ(form.GroundObjectTypeTable[999].GroundObjectName, "Obj");
  EXPECT_EQ(form.ShipNameTable[1028].ShipClass, "Class1028");
  for (const char* text : {"armor.tavrek holds more than 501 vehicle types",
                           "gobjects.tavrek holds more than 1000 object types",
                           "shipnames.tavrek holds more than 1029 ship classes"}) {
    EXPECT_NE(form.ErrorText.find(text), std::string::npos) << text;
  }
}

struct MissingFileCase {
  const char* file;
  std::function<void(TMainForm&)> load;
  const char* logged;
  const char* raised;
};

TEST(ReferenceTables, MissingMandatoryFilesAreLoggedAndRaised) {
  const std::vector<MissingFileCase> cases = {
      {"armor.tavrek", ArmorList, "No armor.tavrek found.", "No armor.tavrek found."},
      {"shipnames.tavrek", LoadShipInfo, "No ship names file found.",
       "No ship names file found.\r\n"},
      {"maps.tavrek", [](TMainForm& form) { MapList(form, "Kuban"); }, "No maps.tavrek found.",
       "No maps.tavrek found."},
      {"gobjects.tavrek", InitializeGroundUnits, "No gobjects.tavrek found.",
       "No gobjects.tavrek found."},
  };
  for (const MissingFileCase& test : cases) {
    SCOPED_TRACE(test.file);
    TestWorld world;
    TMainForm& form = *world.form;
    form.LastArmor = 7;
    form.MapAxis = "North";
    form.ShipNameTable[0].ShipClass = "Kept";
    form.GroundObjectTypeTable[0].GroundObjectName = "Kept";
    try {
      test.load(form);
      ADD_FAILURE() << "no exception";
    } catch (const ProgramError& error) {
      EXPECT_EQ(std::string(error.what()), test.raised);
    }
    EXPECT_NE(form.ErrorText.find(std::string("] ") + test.logged + "\r\n"), std::string::npos);
    EXPECT_EQ(form.LastArmor, 7);
    EXPECT_EQ(form.MapAxis, "North");
    EXPECT_EQ(form.ShipNameTable[0].ShipClass, "Kept");
    EXPECT_EQ(form.GroundObjectTypeTable[0].GroundObjectName, "Kept");
  }
}

TEST(ReferenceTables, ShipNamesByClass) {
  TestWorld world;
  TMainForm& form = *world.form;
  std::string many;
  for (int n = 0; n < 16; ++n) many += " Name" + std::to_string(n) + "\r\n";
  world.program_folder.Write("data/shipnames.tavrek",
                             "Stray\r\n[Destroyer7] x]\r\n Gnevny \r\n\r\n"
                             "Grozny\r\n[Ship.Tramp]\r\n" +
                                 many + "[Ship.Last]\r\nFinal\r\n");
  form.ShipNameTable[0].ShipNameNext = 3;
  form.ShipNameTable[5].ShipClass = "From an earlier campaign";

  LoadShipInfo(form);
  EXPECT_EQ(form.ShipNameTable[0].ShipClass, "Destroyer7 x]");
  EXPECT_EQ(form.ShipNameTable[0].ShipName[0], "Gnevny");
  EXPECT_EQ(form.ShipNameTable[0].ShipName[1], "");
  EXPECT_EQ(form.ShipNameTable[0].ShipName[2], "Grozny");
  EXPECT_EQ(form.ShipNameTable[0].ShipNameNext, 3);
  EXPECT_EQ(form.ShipNameTable[1].ShipName[13], "Name13");
  // The 15th and 16th names do not spill into the next class.
  EXPECT_EQ(form.ShipNameTable[2].ShipClass, "Ship.Last");
  EXPECT_EQ(form.ShipNameTable[2].ShipName[0], "Final");
  EXPECT_EQ(form.ShipNameTable[5].ShipClass, "");
  EXPECT_NE(form.ErrorText.find("\"Stray\" stands before the first ship class"), std::string::npos);
  EXPECT_NE(form.ErrorText.find("\"Ship.Tramp\" has more than 14 names"), std::string::npos);
  EXPECT_NE(form.ErrorText.find("] Ship Info processed.\r\n"), std::string::npos);
}

struct MapCase {
  const char* title;
  std::string map;
  int month;
  std::string load_path;
  std::string map_title;
  std::string axis;
  int allied;
  int axis_id;
  std::string description;
  std::string season;
};

TEST(ReferenceTables, MapValuesFromTheTablesAndMapsFile) {
  const std::string maps = JoinLinesCrLf({
      "[Kurland]",
      "Load=Kurland/load.ini",
      "[Kuban]",
      "  Load= Kuban/wload.ini",
      "[Moscow_Edit]",
      "Load=NoFolder",
      "MapAxis=North",
      "AlliedID=ru",
      "AxisID=3",
      "Description=" + std::string(120, 'd'),
      "[Normandy1]",
      "Load=Normandy/load.ini",
  });
  const std::vector<MapCase> cases = {
      {"no section", "Okinawa", 6, "None", "Okinawa", "East", 0, 11, "Okinawa", "Summer"},
      {"month list in winter", "Kurland", 12, "Kurland/load.ini", "Kurland", "West", 14, 8,
       "Kurland", "Winter"},
      {"month list in spring", "Kurland", 3, "Kurland/load.ini", "Kurland", "West", 14, 8,
       "Kurland", "Summer"},
      {"winter load path", "Kuban", 7, "Kuban/wload.ini", "Kuban", "West", 14, 8, "Kuban",
       "Winter"},
      {"section overrides", "Moscow_Edit", 5, "NoFolder", "Moscow_Edit", "North", 0, 3,
       std::string(120, 'd'), "Summer"},
      {"axis table", "Normandy1", 1, "Normandy/load.ini", "Normandy", "South", 0, 1, "Normandy",
       "Summer"},
      {"name marks winter", "Murmansk", 7, "None", "Murmansk", "West", 0, 1, "Murmansk", "Winter"},
  };
  for (const MapCase& test : cases) {
    SCOPED_TRACE(test.title);
    TestWorld world;
    TMainForm& form = *world.form;
    world.program_folder.Write("data/maps.tavrek", maps);
    form.MapName = test.map;
    form.CampaignMonth = test.month;
    form.MapDescription = test.map;  // what an unlisted map keeps
    MapList(form, form.MapName);
    EXPECT_EQ(form.MapLoadPath, test.load_path);
    EXPECT_EQ(form.MapTitle, test.map_title);
    EXPECT_EQ(form.MapAxis, test.axis);
    EXPECT_EQ(form.AlliedID, test.allied);
    EXPECT_EQ(form.AxisID, test.axis_id);
    EXPECT_EQ(form.MapDescription, test.description);
    EXPECT_EQ(form.MapSeason, test.season);
  }
}

TEST(ReferenceTables, AxisAndAreaTablesIgnoreLetterCase) {
  TestWorld world;
  TMainForm& form = *world.form;
  form.MapDescription = "a new front";
  GetAxis(form, "CoralSea");
  FindCampaignArea(form, "CoralSea");
  EXPECT_EQ(form.MapAxis, "North");
  EXPECT_EQ(form.MapDescription, "Coral Sea");
  GetAxis(form, "Unknown");
  FindCampaignArea(form, "Unknown");
  EXPECT_EQ(form.MapAxis, "West");
  EXPECT_EQ(form.MapDescription, "Coral Sea");
}

TEST(ReferenceTables, FrontObjectsOfTheCampaignsBattle) {
  TestWorld world;
  TMainForm& form = *world.form;
  world.program_folder.Write(
      "data/fobjects.tavrek",
      JoinLinesCrLf({"[Kuban 1943]", "Allied1=vehicles.artillery.Artillery$Zenit25mm",
                     "Axis3= vehicles.tank.Pz_IVF2 ", "[Other]", "Allied2=other_battle",
                     "[ Kuban 1943 ]", "Axis1=tank"}));
  form.BattleName = "Kuban 1943";
  FrontObjects(form);
  EXPECT_EQ(form.FrontObjectTable[5], "vehicles.artillery.Artillery$Zenit25mm");
  EXPECT_EQ(form.FrontObjectTable[6], "");
  EXPECT_EQ(form.FrontObjectTable[9], "tank");
  EXPECT_EQ(form.FrontObjectTable[11], "vehicles.tank.Pz_IVF2");

  // A battle without a section has no front objects, whatever the last battle had.
  form.BattleName = "Stalingrad";
  FrontObjects(form);
  for (int entry = 0; entry < kFrontObjectCapacity; ++entry) {
    EXPECT_EQ(form.FrontObjectTable[entry], "") << entry;
  }
}

TEST(ReferenceTables, GroundObjectAvailabilityByEdition) {
  const std::string line =
      ColumnLine({{1, "vehicles.tank.T34"}, {57, "0 0 1 0 1 0"}, {69, "vehicles.tank.KV1"}});
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"IL2", "0"}, {"IL2FB", "0"}, {"AEP", "1"},  {"PF", "0"},
      {"PFm", "1"}, {"PE2", "0"},   {"1946", "1"}, {"", "0"}};
  for (const auto& [edition, available] : cases) {
    SCOPED_TRACE(edition);
    TestWorld world;
    TMainForm& form = *world.form;
    world.program_folder.Write("data/gobjects.tavrek", JoinLinesCrLf({line, ""}));
    form.GroundObjectTypeTable[2].GroundObjectName = "left by an earlier file";
    form.GameID = edition;
    InitializeGroundUnits(form);
    EXPECT_EQ(form.GroundObjectTypeTable[0].GroundObjectName, "vehicles.tank.T34");
    EXPECT_EQ(form.GroundObjectTypeTable[0].GroundObjectField2, "vehicles.tank.KV1");
    EXPECT_EQ(form.GroundObjectTypeTable[0].GroundObjectAvailable, available);
    EXPECT_EQ(form.GroundObjectTypeTable[1].GroundObjectName, "");
    EXPECT_EQ(form.GroundObjectTypeTable[2].GroundObjectName, "");
  }
}

TEST(ReferenceTables, ActivePlanesFromTheGamesSkinFolders) {
  TestWorld world;
  TMainForm& form = *world.form;
  TempFolder game;
  for (const char* folder : {"Yak-1", "bf-109E-4_B", "A6M2"}) {
    game.Write(std::string("PaintSchemes/Skins/") + folder + "/readme.txt", "");
  }
  game.Write("PaintSchemes/Skins/not_a_folder.bmp", "");
  form.GameFolder = game.Path();
  GetActivePlanes(form);
  ASSERT_EQ(form.LastActivePlane, 2);
  EXPECT_EQ(form.ActivePlaneList[0], "a6m2");
  EXPECT_EQ(form.ActivePlaneList[1], "bf-109e-4/b");
  EXPECT_EQ(form.ActivePlaneList[2], "yak-1");
}

TEST(ReferenceTables, WithoutSkinFoldersEveryClassCountsAsInstalled) {
  TestWorld world;
  TMainForm& form = *world.form;
  InstallReferenceFixture(world);
  LoadPlaneInfo(form);
  TempFolder game_without_skins;
  for (const std::string& game_folder : {std::string(), game_without_skins.Path()}) {
    form.GameFolder = game_folder;
    form.LastActivePlane = -1;
    GetActivePlanes(form);
    ASSERT_EQ(form.LastActivePlane, form.LastAircraftClass);
    EXPECT_EQ(form.ActivePlaneList[0], "bf-109e-4/b");
    EXPECT_EQ(form.ActivePlaneList[3], "i-16type24");
  }
}

}  // namespace

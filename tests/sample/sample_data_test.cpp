// The shipped sample loaded through the program's own loaders: the reference data, the Okinawa
// map, the Okinawa45 campaign and the sample game folder fill the tables as the sample describes,
// and saving the tables writes the campaign and reference files back byte for byte.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/game_campaign_folder.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_setup/game_edition.h"
#include "platform/ascii.h"
#include "platform/text_file.h"
#include "tests/support/installed_program.h"
#include "tests/support/sample_campaign.h"
#include "tests/support/test_world.h"

namespace {

using ::testing::AllOf;

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The map's locations in the order the route files give them: road starts, road ends, rail
// starts and ends, sea starts and ends.
const std::vector<std::string> kLocations = {"Nago",
                                             "Motobu",
                                             "Motobu_Ferry",
                                             "Ie_Shima_Ferry",
                                             "Hagushi",
                                             "Bishi_River_Bridge",
                                             "Kadena_Airfield",
                                             "Chatan",
                                             "Futema",
                                             "Asa_River_Bridge",
                                             "Machinato_Airfield",
                                             "Naha",
                                             "Tomari_Shipyard",
                                             "Naha_Airfield",
                                             "Naha_Factory_District",
                                             "Shuri",
                                             "Yonabaru",
                                             "Yonabaru_Airstrip",
                                             "Itoman",
                                             "Kiyan",
                                             "Minatoga",
                                             "Kikai_Harbor",
                                             "Ie_Shima_Airstrip",
                                             "Yontan_Airfield",
                                             "Hagushi_Beachhead",
                                             "Kadena_Depot",
                                             "Kikai_Airfield",
                                             "Yonabaru_Rail_Station",
                                             "Naha_Railyard",
                                             "Naha_Rail_Station",
                                             "Itoman_Rail_Station",
                                             "Kadena_Rail_Station",
                                             "Pacific_Ocean",
                                             "Nakagusuku_Bay",
                                             "Kiyan_Sea",
                                             "Naha_Port",
                                             "Tomari_Harbor",
                                             "Hagushi_Harbor",
                                             "Kerama_Seaplane_Base",
                                             "Chinen_Seaplane_Base",
                                             "East_China_Sea"};

// Owners of the sample's territory: the Allied side west of the front centre Futema, the front
// centre and the open sea contested, everything else Japanese.
const std::set<std::string> kAlliedLocations = {"Motobu",
                                                "Motobu_Ferry",
                                                "Ie_Shima_Ferry",
                                                "Ie_Shima_Airstrip",
                                                "Nago",
                                                "Yontan_Airfield",
                                                "Hagushi_Beachhead",
                                                "Hagushi",
                                                "Bishi_River_Bridge",
                                                "Kadena_Airfield",
                                                "Kadena_Depot",
                                                "Chatan",
                                                "Kadena_Rail_Station",
                                                "Hagushi_Harbor",
                                                "Kerama_Seaplane_Base",
                                                "East_China_Sea"};
const std::set<std::string> kContestedLocations = {"Futema", "Pacific_Ocean", "Nakagusuku_Bay",
                                                   "Kiyan_Sea"};

std::string ExpectedOwner(const std::string& location) {
  if (kAlliedLocations.count(location)) return "1";
  if (kContestedLocations.count(location)) return "0";
  return "2";
}

const std::vector<std::string> kPatrolAreas = {"Kerama_Retto_Patrol", "Nakagusuku_Patrol"};

// The location each static object of stationary.tavrek was placed at, in file order.
const std::vector<std::string> kObjectPlaces = {"Yontan_Airfield",
                                                "Yontan_Airfield",
                                                "Kadena_Airfield",
                                                "Kadena_Airfield",
                                                "Yontan_Airfield",
                                                "Kadena_Airfield",
                                                "Yontan_Airfield",
                                                "Kadena_Depot",
                                                "Kadena_Depot",
                                                "Yontan_Airfield",
                                                "Hagushi",
                                                "Chatan",
                                                "Yontan_Airfield",
                                                "Yontan_Airfield",
                                                "Yontan_Airfield",
                                                "Ie_Shima_Airstrip",
                                                "Chatan",
                                                "Chatan",
                                                "Hagushi_Harbor",
                                                "Yontan_Airfield",
                                                "Naha_Airfield",
                                                "Machinato_Airfield",
                                                "Yonabaru_Airstrip",
                                                "Shuri",
                                                "Shuri",
                                                "Minatoga",
                                                "Itoman",
                                                "Naha_Airfield",
                                                "Machinato_Airfield",
                                                "Naha",
                                                "Shuri",
                                                "Naha_Airfield",
                                                "Naha_Airfield",
                                                "Naha_Airfield",
                                                "Machinato_Airfield",
                                                "Yonabaru_Airstrip",
                                                "Naha_Railyard",
                                                "Naha_Railyard",
                                                "Naha_Port",
                                                "Tomari_Harbor",
                                                "Naha_Airfield"};

std::string SourceFile(const std::string& relative) {
  return ReadFileBytes(std::string(TAVREK_SOURCE_DIR) + "/" + relative);
}

class SampleTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallSample(world); }

  TMainForm& Form() { return *world.form; }

  int LocationIndex(const std::string& name) {
    for (int j = 0; j <= Form().LastLocation; ++j) {
      if (Form().LocationTable[j].LocationName == name) return j;
    }
    return -1;
  }

  // The campaign record, the map and its locations, as campaign loading reads them.
  void LoadMap() {
    CampaignInfo(Form());
    MapList(Form(), Form().MapName);
    TargetLocations(Form());
  }

  // The owners of the sample's territory, as the territory file of the campaign gives them.
  void GiveSampleOwners() {
    for (int j = 0; j <= Form().LastLocation; ++j) {
      Form().LocationTable[j].LocationArmy = ExpectedOwner(Form().LocationTable[j].LocationName);
    }
  }

  std::string CampaignCopy(const std::string& name) {
    return ReadFileBytes(SampleCampaignFolder(world) + name);
  }

  TestWorld world;
};

// ---- Reference data ------------------------------------------------------------------------

TEST_F(SampleTest, ArmourTypesLoadWithStrengthsAndUpgradeChainsWithinTheTable) {
  ArmorList(Form());
  ASSERT_EQ(Form().LastArmor, 17);
  std::set<std::string> names;
  for (int a = 0; a <= Form().LastArmor; ++a) names.insert(Form().ArmorTable[a].ArmorName);
  for (int a = 0; a <= Form().LastArmor; ++a) {
    const ArmorEntry& armor = Form().ArmorTable[a];
    SCOPED_TRACE(armor.ArmorName);
    EXPECT_TRUE(armor.ArmorUpgrade == "none" || names.count(armor.ArmorUpgrade));
    EXPECT_LE(armor.ArmorServiceStart, armor.ArmorServiceEnd);
    EXPECT_TRUE(armor.ArmorArmy == "1" || armor.ArmorArmy == "2");
  }
  const ArmorEntry& sherman = Form().ArmorTable[1];
  EXPECT_EQ(sherman.ArmorName, "3-M4A2_US");
  EXPECT_EQ(sherman.ArmorServiceStart, "194205");
  EXPECT_EQ(sherman.ArmorServiceEnd, "194512");
  EXPECT_EQ(sherman.ArmorValueA, 30);
  EXPECT_EQ(Form().ArmorTable[2].ArmorValueB, 8);  // a right-aligned single digit
}

TEST_F(SampleTest, EveryShipColumnFindsItsClassAndItsNameInTheShipNames) {
  LoadShipInfo(Form());
  EXPECT_EQ(Form().ShipNameTable[0].ShipClass, "USSEssexCV9");
  EXPECT_EQ(Form().ShipNameTable[0].ShipName[0], "USS_Essex");
  int ships = 0;
  for (const std::string& line : ReadTextLines(SampleCampaignFolder(world) + "columns.tavrek")) {
    if (!::Contains(line, "Ships.")) continue;
    ++ships;
    SCOPED_TRACE(line);
    const std::string unit =
        Trim(line.substr(line.find('$') + 1, line.find('~') - 1 - line.find('$')));
    bool named = false;
    for (int c = 0; c < 12; ++c) {
      const ShipClassEntry& ship_class = Form().ShipNameTable[c];
      if (!::Contains(line, ship_class.ShipClass)) continue;
      named = std::find(ship_class.ShipName.begin(), ship_class.ShipName.end(), unit) !=
              ship_class.ShipName.end();
      break;
    }
    EXPECT_TRUE(named);
  }
  EXPECT_EQ(ships, 8);
}

TEST_F(SampleTest, GroundObjectTypesCoverTheSampleObjectsAndStandInForOlderEditions) {
  InitializeGroundUnits(Form());
  std::set<std::string> classes;
  for (int k = 0; k < 67; ++k) {
    EXPECT_EQ(Form().GroundObjectTypeTable[k].GroundObjectAvailable, "1");
    classes.insert(Form().GroundObjectTypeTable[k].GroundObjectName);
  }
  const std::vector<std::string> lines =
      ReadTextLines(SampleCampaignFolder(world) + "stationary.tavrek");
  for (size_t n = 1; n < lines.size(); ++n) {
    std::string object_class = Trim(lines[n].substr(2));
    object_class = object_class.substr(object_class.find(' ') + 1);
    object_class = object_class.substr(0, object_class.find(' '));
    if (object_class.rfind("vehicles.planes.", 0) == 0) continue;  // parked aircraft
    if (object_class.rfind("vehicles.", 0) == 0) object_class = object_class.substr(9);
    EXPECT_TRUE(classes.count(object_class)) << object_class;
  }

  Form().GameID = "IL2FB";
  InitializeGroundUnits(Form());
  const GroundObjectTypeEntry& japanese_flak = Form().GroundObjectTypeTable[27];
  EXPECT_EQ(japanese_flak.GroundObjectName, "artillery.Artillery$Type88_75mm_JA");
  EXPECT_EQ(japanese_flak.GroundObjectAvailable, "0");
  EXPECT_EQ(japanese_flak.GroundObjectField2, "artillery.Artillery$Flak18_88mm");
  EXPECT_EQ(Form().GroundObjectTypeTable[0].GroundObjectAvailable, "1");
}

TEST_F(SampleTest, OkinawaMapAndBattleValues) {
  Form().CampaignMonth = 4;
  MapList(Form(), "Okinawa");
  EXPECT_EQ(Form().MapLoadPath, "Okinawa/load.ini");
  EXPECT_EQ(Form().MapTitle, "Okinawa");
  EXPECT_EQ(Form().MapAxis, "East");
  EXPECT_EQ(Form().AlliedID, 2);
  EXPECT_EQ(Form().AxisID, 11);
  EXPECT_EQ(Form().MapDescription, "Okinawa");
  EXPECT_EQ(Form().MapSeason, "Summer");

  Form().BattleName = "Okinawa45";
  FrontObjects(Form());
  EXPECT_EQ(Form().FrontObjectTable[5], "vehicles.artillery.Artillery$M4A2_US");
  EXPECT_EQ(Form().FrontObjectTable[7], "vehicles.artillery.Artillery$M16_US");
  EXPECT_EQ(Form().FrontObjectTable[9], "vehicles.artillery.Artillery$Type94_37mm_JA");
  EXPECT_EQ(Form().FrontObjectTable[11], "vehicles.artillery.Artillery$Type97_ChiHa_JA");
}

// ---- Aircraft ------------------------------------------------------------------------------

TEST_F(SampleTest, AircraftClassesCoverEveryRoleOfBothSidesWithChainsWithinTheTable) {
  LoadPlaneInfo(Form());
  ASSERT_EQ(Form().LastAircraftClass, 82);
  std::set<std::string> names;
  std::set<std::string> roles_by_army;
  for (int c = 0; c <= Form().LastAircraftClass; ++c) {
    const AircraftClassEntry& type = Form().AircraftClassTable[c];
    EXPECT_TRUE(names.insert(type.ClassName).second) << type.ClassName;
    roles_by_army.insert(type.ClassArmy + type.ClassFamily);
  }
  for (int c = 0; c <= Form().LastAircraftClass; ++c) {
    const AircraftClassEntry& type = Form().AircraftClassTable[c];
    SCOPED_TRACE(type.ClassName);
    for (const std::string& linked : {type.ClassUpgrade, type.ClassDowngrade}) {
      EXPECT_TRUE(linked == "none" || linked == "random" || names.count(linked)) << linked;
    }
    EXPECT_LE(type.ClassServiceStart, type.ClassServiceEnd);
  }
  for (const char* army : {"1", "2"}) {
    for (const char* family : {"1", "2", "3", "4", "5", "6", "7"}) {
      EXPECT_TRUE(roles_by_army.count(std::string(army) + family)) << army << " " << family;
    }
  }
  const AircraftClassEntry& hellcat = Form().AircraftClassTable[3];
  EXPECT_EQ(hellcat.ClassName, "F6F5");
  EXPECT_EQ(hellcat.ClassGameName, "F6F-5");
  EXPECT_EQ(hellcat.ClassDowngrade, "F6F3");
  EXPECT_EQ(hellcat.ClassRange, "600 km");
  EXPECT_EQ(hellcat.Payload2, "6xHVAR");
  EXPECT_EQ(hellcat.Payload5, "1xdroptank");
  EXPECT_EQ(hellcat.PayloadDefault, "default");
}

TEST_F(SampleTest, SavingTheAircraftClassesWritesTheShippedFilesAgain) {
  LoadPlaneInfo(Form());
  SaveClasses(Form());
  SavePayloads(Form());
  EXPECT_EQ(world.program_folder.Read("data/class.tavrek"), SourceFile("data/class.tavrek"));
  EXPECT_EQ(world.program_folder.Read("data/payloads.tavrek"), SourceFile("data/payloads.tavrek"));
}

TEST_F(SampleTest, GameFolderHoldsEveryAircraftTypeTheSquadronsFly) {
  LoadPlaneInfo(Form());
  GetActivePlanes(Form());
  ASSERT_EQ(Form().LastActivePlane, 25);
  std::set<std::string> installed;
  for (int p = 0; p <= Form().LastActivePlane; ++p) installed.insert(Form().ActivePlaneList[p]);
  EXPECT_TRUE(installed.count("bf-109e-4/b"));
  for (const std::string& line : ReadTextLines(SampleCampaignFolder(world) + "squadrons.tavrek")) {
    if (!::Contains(line, "Class air.")) continue;
    const std::string type = Trim(line).substr(10);
    for (int c = 0; c <= Form().LastAircraftClass; ++c) {
      if (Form().AircraftClassTable[c].ClassName != type) continue;
      EXPECT_TRUE(installed.count(AsciiLowerCase(Form().AircraftClassTable[c].ClassGameName)))
          << type;
    }
  }
}

// ---- The campaign --------------------------------------------------------------------------

TEST_F(SampleTest, CampaignRecordLoadsAndSavesUnchangedButForItsDataFolder) {
  CampaignInfo(Form());
  EXPECT_EQ(Form().CampaignType, "GrandCampaign");
  EXPECT_EQ(Form().BattleName, "Okinawa45");
  EXPECT_EQ(Form().MapName, "Okinawa");
  EXPECT_EQ(Form().FrontCenterName, "Futema");
  EXPECT_EQ(Form().DeZoneText, "Shuri");
  EXPECT_EQ(Form().RuZoneText, "Hagushi");
  EXPECT_EQ(Form().DeSunkTrigger, "IJNYamatoBB45");
  EXPECT_EQ(Form().DeSunkCount, 100);
  EXPECT_EQ(Form().RuSupplyBox.Text, "+20%");
  EXPECT_EQ(Form().CampaignDay, 6);
  EXPECT_EQ(Form().CampaignMonth, 4);
  EXPECT_EQ(Form().CampaignYear, 1945);
  EXPECT_EQ(Form().EndDate, "30/06/1945");
  EXPECT_EQ(Form().CampaignDataFolder, Form().DataFilesFolder);

  UpDateCampaignInfo(Form());
  std::vector<std::string> expected =
      ReadTextLines(SourceSampleCampaignFolder() + "campaign.tavrek");
  const auto data = std::find(expected.begin(), expected.end(), "[Data]");
  ASSERT_NE(data, expected.end());
  *(data + 1) = Form().DataFilesFolder;  // the record names the data folder it was read with
  EXPECT_EQ(CampaignCopy("campaign.tavrek"), JoinLinesCrLf(expected));
}

TEST_F(SampleTest, RouteFilesBuildTheMapWithFrontCentreEntryPointsPatrolAreasAndOffMapBases) {
  LoadMap();
  ASSERT_EQ(Form().LastLocation, 40);
  std::vector<std::string> names;
  for (int j = 0; j <= Form().LastLocation; ++j)
    names.push_back(Form().LocationTable[j].LocationName);
  EXPECT_THAT(names, ElementsAreArray(kLocations));

  const int futema = LocationIndex("Futema");
  EXPECT_EQ(Form().FrontCenterIndex, futema);
  EXPECT_EQ(Form().FrontCenterPosition, "90000.00 74000.00");
  EXPECT_EQ(Form().FrontCenterCoord, 90000);
  // A bridge stands at the third waypoint of the road that starts at it.
  EXPECT_EQ(Form().LocationTable[LocationIndex("Bishi_River_Bridge")].LocationPosition,
            "57500.00 80500.00");
  EXPECT_EQ(Form().LocationTable[LocationIndex("East_China_Sea")].LocationPosition,
            "2000.00 80000.00");
  // Trains and ships enter at the map edges: the Japanese side at the east, the Allied at the west.
  EXPECT_EQ(Form().AxisRailEntry, "Yonabaru_Rail_Station");
  EXPECT_EQ(Form().AlliedRailEntry, "Kadena_Rail_Station");
  EXPECT_EQ(Form().AxisShipEntry, "Pacific_Ocean");
  EXPECT_EQ(Form().AlliedShipEntry, "East_China_Sea");
  EXPECT_EQ(Form().PatrolText[0], kPatrolAreas[0]);
  EXPECT_EQ(Form().PatrolText[12], kPatrolAreas[1]);
  for (int offset : {2, 3, 14, 15}) EXPECT_FALSE(Form().PatrolText[offset].empty()) << offset;
  for (int j = 0; j <= Form().LastLocation; ++j) {
    const LocationEntry& location = Form().LocationTable[j];
    const bool off_map = ::Contains(location.LocationName, "Kikai");
    EXPECT_EQ(location.LocationOffMap, off_map ? "Y" : "") << location.LocationName;
  }
}

TEST_F(SampleTest, StaticObjectsLoadWithTheirArmiesAndNearestLocationsAndSaveUnchanged) {
  LoadMap();
  StationaryList(Form());
  LoadStationary(Form());
  ASSERT_EQ(Form().LastStationary, 40);
  EXPECT_EQ(Form().InitialStationary, 40);
  const std::vector<std::string> lines =
      ReadTextLines(SourceSampleCampaignFolder() + "stationary.tavrek");
  for (int n = 0; n <= Form().LastStationary; ++n) {
    const StationaryEntry& object = Form().StationaryObjectTable[n];
    SCOPED_TRACE(lines[n + 1]);
    EXPECT_EQ(object.StationaryLine, lines[n + 1]);
    ASSERT_GE(object.StationaryNearestLocation, 0);
    EXPECT_EQ(Form().LocationTable[object.StationaryNearestLocation].LocationName,
              kObjectPlaces[n]);
  }
  EXPECT_EQ(Form().StationaryObjectTable[0].StationaryArmy, "1");
  EXPECT_EQ(Form().StationaryObjectTable[0].StationaryPosition, "48350.00 94420.00");
  EXPECT_EQ(Form().StationaryObjectTable[19].StationaryArmy, "0");
  EXPECT_EQ(Form().StationaryObjectTable[20].StationaryArmy, "2");

  SaveStationary(Form());
  EXPECT_EQ(CampaignCopy("stationary.tavrek"),
            ReadFileBytes(SourceSampleCampaignFolder() + "stationary.tavrek"));
}

TEST_F(SampleTest, ColumnsStandOnTheMapOrThePatrolAreasAndSaveUnchanged) {
  LoadMap();
  GiveSampleOwners();
  ColumnList(Form());
  ASSERT_EQ(Form().LastColumn, 20);
  std::set<std::string> places(kLocations.begin(), kLocations.end());
  places.insert(kPatrolAreas.begin(), kPatrolAreas.end());
  places.insert("Blank");
  for (int c = 0; c <= Form().LastColumn; ++c) {
    const ColumnEntry& column = Form().ColumnTable[c];
    EXPECT_TRUE(places.count(column.ColumnPlace))
        << column.ColumnType << " @" << column.ColumnPlace;
    EXPECT_EQ(column.ColumnDestination, column.ColumnPlace);
  }
  const ColumnEntry& carrier = Form().ColumnTable[6];
  EXPECT_EQ(carrier.ColumnName, "6_Chief");
  EXPECT_EQ(carrier.ColumnUnitName, "USS_Essex");
  EXPECT_EQ(carrier.ColumnPlace, "Kerama_Retto_Patrol");
  EXPECT_EQ(carrier.ColumnLastRoutePoint, 3);
  EXPECT_THAT(carrier.ColumnRoute[0], HasSubstr(" 20.00 "));
  EXPECT_EQ(Form().ColumnTable[14].ColumnPlace, "Naha_Rail_Station");
  EXPECT_EQ(Form().ColumnTable[16].ColumnPlace, "Nakagusuku_Patrol");
  EXPECT_EQ(Form().ColumnTable[5].ColumnPlace, "Blank");

  WriteColumnList(Form());
  EXPECT_EQ(CampaignCopy("columns.tavrek"),
            ReadFileBytes(SourceSampleCampaignFolder() + "columns.tavrek"));
}

TEST_F(SampleTest, SquadronsOfEveryRoleOnBothSidesKeepTheirBasesAndSaveUnchanged) {
  LoadMap();
  GiveSampleOwners();
  ColumnList(Form());
  SquadronList(Form(), "OFF");
  ASSERT_EQ(Form().LastSquadron, 21);

  std::set<std::string> roles_by_army;
  for (int s = 0; s <= Form().LastSquadron; ++s) {
    roles_by_army.insert(Form().SquadronTable[s].SquadronArmy +
                         Form().SquadronTable[s].SquadronRole);
  }
  for (const char* army : {"1", "2"}) {
    for (const char* role : {"1", "2", "3", "4", "5", "6", "7"}) {
      EXPECT_TRUE(roles_by_army.count(std::string(army) + role)) << army << " " << role;
    }
  }
  const std::map<int, std::pair<std::string, std::string>> names = {
      {0, {"um", "VMF-311 Hell's Belles"}},  {1, {"un", "VF-83 Fighting Squadron Eighty-Three"}},
      {5, {"us", "822nd Bomber Squadron"}},  {6, {"us", "19th Fighter Squadron"}},
      {10, {"in", "343rd Kokutai"}},         {12, {"ja", "101st Hiko Sentai"}},
      {18, {"ja", "18th Dokuritsu Chutai"}}, {19, {"ja", "15th Dokuritsu Hikotai"}}};
  for (const auto& [s, nation_and_name] : names) {
    EXPECT_EQ(Form().SquadronTable[s].SquadronNation, nation_and_name.first) << s;
    EXPECT_EQ(Form().SquadronTable[s].SquadronFullName, nation_and_name.second) << s;
  }
  EXPECT_EQ(Form().SquadronTable[0].SquadronActive, "Active True ");
  EXPECT_EQ(Form().SquadronTable[21].SquadronActive, "Active False");
  EXPECT_EQ(Form().SquadronTable[16].SquadronRadio, "NoRadio");
  EXPECT_EQ(Form().SquadronTable[13].PlanesAvailable, "12");
  EXPECT_EQ(Form().SquadronTable[13].PlanesMax, "16");

  std::vector<std::string> bases_in_file;
  for (int s = 0; s <= Form().LastSquadron; ++s) {
    bases_in_file.push_back(Form().SquadronTable[s].SquadronHomeBase);
  }
  SquadronBase(Form());
  std::set<std::string> carriers;
  for (int c = 0; c <= Form().LastColumn; ++c) {
    if (::Contains(Form().ColumnTable[c].ColumnType, "CV")) {
      carriers.insert(Form().ColumnTable[c].ColumnUnitName);
    }
  }
  for (int s = 0; s <= Form().LastSquadron; ++s) {
    const SquadronEntry& squadron = Form().SquadronTable[s];
    SCOPED_TRACE(squadron.SquadronName);
    EXPECT_EQ(squadron.SquadronHomeBase, bases_in_file[static_cast<size_t>(s)]);
    EXPECT_TRUE(LocationIndex(squadron.SquadronHomeBase) >= 0 ||
                carriers.count(squadron.SquadronHomeBase));
    EXPECT_THAT(squadron.SquadronTakeOffLeg, StartsWith("TAKEOFF "));
    EXPECT_THAT(squadron.SquadronLandingLeg, StartsWith("LANDING "));
  }

  // The carrier's squadrons take off from its first patrol point and land at its second.
  const ColumnEntry& carrier = Form().ColumnTable[6];
  for (int s : {1, 2}) {
    EXPECT_EQ(
        Form().SquadronTable[s].SquadronTakeOffLeg,
        "TAKEOFF " + carrier.ColumnRoute[0].substr(0, carrier.ColumnRoute[0].find(" 20.00 ")));
    EXPECT_EQ(
        Form().SquadronTable[s].SquadronLandingLeg,
        "LANDING " + carrier.ColumnRoute[1].substr(0, carrier.ColumnRoute[1].find(" 20.00 ")));
  }

  SaveSquadrons(Form(), 0);
  EXPECT_EQ(CampaignCopy("squadrons.tavrek"),
            ReadFileBytes(SourceSampleCampaignFolder() + "squadrons.tavrek"));
}

// The whole campaign load of start-up on the sample: every table filled and the campaign's own
// files as shipped.
TEST_F(SampleTest, InitializeCampaignLoadsEveryTableAndKeepsTheCampaignFiles) {
  InitializeCampaign(Form());
  EXPECT_EQ(Form().LastLocation, 40);
  EXPECT_EQ(Form().LastStationary, 40);
  EXPECT_EQ(Form().LastColumn, 20);
  EXPECT_EQ(Form().LastSquadron, 21);
  for (const char* file : {"squadrons.tavrek", "stationary.tavrek", "columns.tavrek"}) {
    EXPECT_EQ(CampaignCopy(file), ReadFileBytes(SourceSampleCampaignFolder() + file)) << file;
  }
}

// The game-side folder asked for before anything is loaded: the campaign's tables are loaded
// first, so the player's nation is known, and the campaign's files stay as they were.
TEST_F(SampleTest, DetermineCampFolderWithNothingLoadedLoadsTheCampaignFirst) {
  ASSERT_EQ(Form().LastLocation, -1);
  ASSERT_EQ(Form().LastSquadron, -1);
  DetermineCampFolder(Form());
  EXPECT_EQ(Form().LastLocation, 40);
  EXPECT_EQ(Form().LastSquadron, 21);
  EXPECT_EQ(Form().LastColumn, 20);
  const std::string nation = AsciiUpperCase(Form().SquadronTable[0].SquadronNation);
  EXPECT_EQ(nation, "UM");
  EXPECT_EQ(Form().GameCampaignFolder,
            Form().GameFolder + "Missions\\Campaign\\" + nation + "\\Tavrek\\");
  for (const char* file : {"squadrons.tavrek", "stationary.tavrek", "columns.tavrek"}) {
    EXPECT_EQ(CampaignCopy(file), ReadFileBytes(SourceSampleCampaignFolder() + file)) << file;
  }
}

// The main job's start: the sample prepared by its script, the program started from that folder
// without parameters, and the campaign loaded without a question to the user.
TEST(PreparedSampleTest, ProgramStartsOnThePreparedSampleWithTheCampaignLoaded) {
  TestWorld world;
  const std::string script = std::string(TAVREK_SOURCE_DIR) + "/scripts/prepare-sample.sh";
  ASSERT_EQ(
      std::system(("'" + script + "' '" + world.program_folder.Path() + "' > /dev/null").c_str()),
      0);
  const std::vector<std::string> settings =
      ReadTextLines(world.program_folder.Path() + "tavrek.ini");
  ASSERT_EQ(settings.size(), 79u);
  EXPECT_EQ(settings[1], world.program_folder.Path() + "sample/campaign/Okinawa45/");

  InstallProgram(world);
  FormCreate(*world.form);
  const TMainForm& form = *world.form;
  EXPECT_EQ(form.ProgramFolder, world.program_folder.Path());
  EXPECT_EQ(form.CampaignFolder, settings[1]);
  EXPECT_EQ(form.GameFolder, settings[2]);
  EXPECT_EQ(form.GameID, "1946");
  EXPECT_EQ(form.MapName, "Okinawa");
  EXPECT_EQ(form.LastLocation, 40);
  EXPECT_EQ(form.LastSquadron, 21);
  EXPECT_TRUE(world.dialogs->shown.empty());
  EXPECT_THAT(RunLogMessages(form), ::testing::Contains("Initialize Campaign."));
}

}  // namespace

#include "tests/mission_results/results_campaign.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"

namespace {

struct UnitData {
  const char* name;
  const char* full_name;
  const char* army;
  const char* role;
  const char* game_name;
  const char* description;
  const char* base;
  const char* planes;
  const char* nation;
  std::array<const char*, 4> first_names;
  std::array<const char*, 4> last_names;
};

const UnitData kUnits[] = {
    {"USMC_VMF_3110",
     "VMF-311",
     "1",
     "1",
     "F4U1C",
     "F4U-1C Corsair",
     "Yontan_Airfield",
     "12",
     "um",
     {"Frank", "Walter", "Eddie", "Roy"},
     {"Carter", "Hughes", "Brennan", "Dawson"}},
    {"USN_VT_830",
     "VT-83",
     "1",
     "2",
     "TBF1C",
     "TBF-1C Avenger",
     "USS_Essex",
     "8",
     "un",
     {"Glenn", "Harold", "Lloyd", "Vernon"},
     {"Mercer", "Foley", "Tate", "Grady"}},
    {"IJN_S_2520",
     "252nd Kokutai",
     "2",
     "1",
     "A6M5",
     "A6M5 Zero",
     "Naha_Airfield",
     "10",
     "in",
     {"Saburo", "Kenji", "Tetsuo", "Isamu"},
     {"Oda", "Mori", "Hirano", "Kudo"}},
    {"IJA_TR_10",
     "10th Transport Sentai",
     "2",
     "3",
     "Ki_57",
     "Ki-57 Topsy",
     "Kikai_Airfield",
     "0",
     "ja",
     {"Goro", "Hideo", "Jiro", "Masao"},
     {"Abe", "Baba", "Endo", "Fujii"}},
    {"IJN_S_2530",
     "253rd Kokutai",
     "2",
     "1",
     "A6M5",
     "A6M5 Zero",
     "Naha_Airfield",
     "6",
     "in",
     {"Akira", "Shoji", "Yasuo", "Noboru"},
     {"Ikeda", "Kato", "Nishi", "Sakai"}},
};

struct PlaceData {
  const char* name;
  const char* position;
  const char* off_map;
};

const PlaceData kPlaces[] = {
    {"Yontan_Airfield", "50000.00 92000.00", "N"},
    {"Naha_Airfield", "60000.00 60000.00", "N"},
    {"Shuri", "68000.00 62000.00", "N"},
    {"Kadena_Airfield", "56000.00 80000.00", "N"},
    {"Kikai_Airfield", "150000.00 200000.00", "Y"},
};

struct ObjectData {
  const char* line;
  const char* army;
  int nearest;
};

const ObjectData kObjects[] = {
    {"  0_Static vehicles.artillery.Artillery$Type88_75mm_AA 2 60100.00 60100.00 0.00 0.0", "2",
     ResultsCampaign::kNaha},
    {"  1_Static vehicles.planes.Plane$A6M5 2 60200.00 60200.00 90.00 0.0", "2",
     ResultsCampaign::kNaha},
    {"X 2_Static vehicles.stationary.Stationary$Truck_Type94_JA 2 68100.00 62100.00 0.00 0.0", "2",
     ResultsCampaign::kShuri},
    {"  3_Static ships.Ship$Daihatsu 2 62000.00 58000.00 0.00 0.0", "2", ResultsCampaign::kNaha},
    {"  4_Static vehicles.stationary.Stationary$DiamondT_US 1 50200.00 92200.00 45.00 0.0", "1",
     ResultsCampaign::kYontan},
};

struct ColumnData {
  const char* type;
  const char* army;
  const char* place;
  const char* unit;
};

const ColumnData kColumns[] = {
    {"0_Chief Vehicles.JapanCarsColumnA 2", "2", "Shuri", "5_Artillery_Command"},
    {"1_Chief Trains.Japan_CargoTrain 2", "2", "Shuri", "Shuri_Cargo_Train"},
    {"2_Chief Ships.IJNAkizukiDD42 2", "2", "Kiyan_Sea", "Suzutsuki"},
    {"3_Chief Armor.3-Type97_ChiHa_JA 2", "2", "Shuri", "27_Tank_Regiment"},
    {"4_Chief Ships.USSEssexCV9 1", "1", "Kerama_Retto_Patrol", "USS_Essex"},
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

ResultsCampaign::ResultsCampaign()
    : campaign_folder(world.program_folder.Path() + "campaign/Tavrek/"),
      game_folder(world.program_folder.Path() + "game/") {
  world.InstallProgramData();
  world.program_folder.Write("campaign/Tavrek/campaign.tavrek", "");
  world.program_folder.Write("game/conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
  std::filesystem::create_directories(game_folder + "Missions/Campaign/UM/Tavrek");

  TMainForm& f = form();
  SetOptionDefaults(f);
  f.CampaignFolder = campaign_folder;
  f.GameFolder = game_folder;
  f.GameCampaignFolder = game_folder + "Missions\\Campaign\\UM\\Tavrek\\";
  f.GameID = "1946";
  f.GameIncludesAEP = "True";
  f.Language = "English";
  GetMessages(f);
  f.AutoGeneration.Checked = true;
  f.CampaignDateText = "06/04/1945";
  f.MapName = "Okinawa";
  f.BattleName = "Okinawa45";
  f.PlayerName = "Frank Carter";
  f.LogFileDate = "[Dec 1, 2026 10:00:00]";
  FillTables();
}

void ResultsCampaign::FillTables() {
  TMainForm& f = form();
  int index = 0;
  for (const PlaceData& place : kPlaces) {
    LocationEntry& location = f.LocationTable[index++];
    location.LocationName = place.name;
    location.LocationPosition = place.position;
    location.LocationOffMap = place.off_map;
    location.LocationArmy = index <= 1 ? "1" : "2";
    location.TerritoryStrength = {0, 20, 25};
  }
  f.LastLocation = index - 1;

  index = 0;
  for (const UnitData& data : kUnits) {
    SquadronEntry& unit = f.SquadronTable[index];
    unit.SquadronName = data.name;
    unit.SquadronFullName = data.full_name;
    unit.SquadronArmy = data.army;
    unit.SquadronRole = data.role;
    unit.SquadronClass = std::string("Class air.") + data.game_name;
    unit.TypeGameName = data.game_name;
    unit.TypeDescription = data.description;
    unit.TypeDescriptionAtLoad = data.description;
    unit.TypeDowngrade = "none";
    unit.SquadronHomeBase = data.base;
    unit.PlanesFlight = data.planes;
    unit.PlanesAvailable = data.planes;
    unit.PlanesMax = "16";
    unit.PlanesLost = "4";
    unit.PlanesExtra = 4;
    unit.SquadronSkill = "Skill 2";
    unit.SquadronBaseClass = unit.SquadronClass;
    unit.SquadronActive = "True";
    unit.SquadronAI = index == 0 ? "False" : "True";
    unit.SquadronMarkings = "1";
    unit.SquadronSkin = "default.bmp";
    unit.SquadronWeapons = "default";
    unit.SquadronRadio = "Radio";
    unit.SquadronNation = data.nation;
    AircraftClassEntry& type = f.AircraftClassTable[index];
    type.ClassGameName = data.game_name;
    type.ClassDescription = data.description;
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = Pilot(index, slot);
      pilot.RosterName = std::string(data.first_names[static_cast<size_t>(slot % 4)]) + " " +
                         data.last_names[static_cast<size_t>(slot / 4)];
      pilot.RosterRank = std::to_string(slot < 4 ? 2 : slot < 8 ? 1 : 0);
      pilot.RosterMedalCount = "0";
      pilot.RosterKills = slot == 1 ? "005" : "001";
      pilot.RosterGroundKills = "002";
      pilot.RosterSorties = "010";
      pilot.RosterMarker = " ";
      pilot.RosterPhoto = "DGen\\Photo";
      pilot.RosterBirthDate = "1920";
      pilot.RosterHomeTown = "Unknown";
      pilot.RosterSkin = "1default.bmp";
      pilot.RosterNoseArt = "None";
      pilot.RosterSeat = "0";
    }
    ++index;
  }
  f.LastSquadron = index - 1;
  f.LastAircraftClass = index - 1;
  Pilot(kPlayerSquadron, 0).RosterMarker = "^";

  index = 0;
  for (const ObjectData& data : kObjects) {
    StationaryEntry& object = f.StationaryObjectTable[index++];
    object.StationaryLine = data.line;
    object.StationaryArmy = data.army;
    object.StationaryNearestLocation = data.nearest;
  }
  f.LastStationary = index - 1;
  f.InitialStationary = f.LastStationary;

  index = 0;
  for (const ColumnData& data : kColumns) {
    ColumnEntry& column = f.ColumnTable[index++];
    column.ColumnType = data.type;
    column.ColumnName = std::string(data.type).substr(0, std::string(data.type).find(' '));
    column.ColumnArmy = data.army;
    column.ColumnPlace = data.place;
    column.ColumnDestination = data.place;
    column.ColumnUnitName = data.unit;
    column.ColumnMarks = "A";
  }
  f.LastColumn = index - 1;

  f.ArmorTable[0].ArmorName = "3-Type97_ChiHa_JA";
  f.ArmorTable[1].ArmorName = "3-M4A2_US";
  f.LastArmor = 1;
}

PilotEntry& ResultsCampaign::Pilot(int squadron, int slot) {
  return form().PilotRoster[RosterIndex(squadron, slot)];
}

SquadronEntry& ResultsCampaign::Unit(int squadron) {
  return form().SquadronTable[squadron];
}

const std::string& ResultsCampaign::PilotName(int squadron, int slot) {
  return Pilot(squadron, slot).RosterName;
}

void ResultsCampaign::NoPilotDueAnything() {
  for (int s = 0; s <= form().LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      PilotEntry& pilot = Pilot(s, slot);
      pilot.RosterSorties = "001";
      pilot.RosterKills = "000";
      pilot.RosterGroundKills = "000";
    }
  }
}

std::string ResultsCampaign::MissionText() {
  return ReadAll(FixturesFolder() + "results/tavrekmission.mis");
}

EventLogWriter ResultsCampaign::Log(EventLogWriter::Clock clock, int start_seconds) const {
  return EventLogWriter(MissionText(), "Campaign/UM/Tavrek/tavrekmission.mis", clock,
                        start_seconds);
}

void ResultsCampaign::WriteEventLog(const std::string& text) const {
  world.program_folder.Write("game/eventlog.lst", text);
}

void ResultsCampaign::WriteCampaignFiles() {
  world.program_folder.Write("campaign/Tavrek/stationary.tavrek", "");
  world.program_folder.Write("campaign/Tavrek/columns.tavrek", "");
  SaveSquadrons(form(), 0);
  SaveStationary(form());
  WriteColumnList(form());
}

std::string ResultsCampaign::CampaignFile(const std::string& name) const {
  return ReadAll(campaign_folder + name);
}

std::string ResultsCampaign::GameFile(const std::string& name) const {
  return ReadAll(game_folder + name);
}

std::string ResultsCampaign::RosterDump() {
  std::string dump;
  for (int s = 0; s <= form().LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      const PilotEntry& p = Pilot(s, slot);
      dump += std::to_string(s) + "/" + std::to_string(slot) + " " + p.RosterMarker + "|" +
              p.RosterName + "|" + p.RosterRank + "|" + p.RosterKills + "|" + p.RosterGroundKills +
              "|" + p.RosterSorties + "\n";
    }
  }
  return dump;
}

void ExpectGolden(const std::string& name, const std::string& text) {
  const std::string path = FixturesFolder() + "results/" + name;
  if (std::getenv("TAVREK_UPDATE_GOLDENS") != nullptr) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return;
  }
  EXPECT_EQ(ReadAll(path), text) << "golden file " << path;
}

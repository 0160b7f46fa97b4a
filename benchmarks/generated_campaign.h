#pragma once

// A campaign of a chosen size in the file formats of the shipped sample, generated into a
// temporary program folder for the benchmarks: the shipped reference data, a map "Bench" of
// `size` locations (a long road through land places, every 25th an airfield and every 50th a
// harbour, a railway and a sea lane), and a campaign of `size` static objects, 1029 squadrons
// and 1024 columns on it, with a game folder beside it. The Allied side holds the western half
// of the map. The campaign has been loaded once, as a campaign being played has: the first load
// writes the pilot roster, which every later one reads.

#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/messages.h"
#include "campaign_data/startup.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"

namespace bench {

namespace fs = std::filesystem;

constexpr int kSquadrons = 1029;
constexpr int kColumns = 1024;
constexpr int kRailStations = 64;
constexpr int kSeaNodes = 64;
constexpr int kMapMetres = 400000;

inline const fs::path kShippedData = fs::path(TAVREK_SOURCE_DIR) / "data";

// A main window on a program folder that holds "data", "campaign" and "game": the messages
// loaded, nothing else.
inline std::unique_ptr<TMainForm> NewBenchmarkForm(PlatformServices& platform,
                                                   const fs::path& folder) {
  auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
  form->ProgramFolder = folder.string() + "/";
  form->DataFilesFolder = form->ProgramFolder + "data/";
  form->CampaignFolder = (folder / "campaign").string() + "/";
  form->GameFolder = (folder / "game").string() + "/";
  form->GameID = "1946";
  form->Tracking.Checked = true;
  form->ActionRadius.Text = "250 Kilometers";
  GetMessages(*form);
  return form;
}

// The campaign of the program folder loaded once, as its first start does: that writes its
// pilot roster with the paint and nose-art files, which a campaign in play always has.
inline void LoadFirstTime(const fs::path& folder) {
  const std::unique_ptr<PlatformServices> platform =
      PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  InitializeCampaign(*NewBenchmarkForm(*platform, folder));
}

inline std::string Coordinate(int metres) {
  return std::to_string(metres) + ".00";
}

inline void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline void AppendFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

struct Place {
  std::string name;
  int x = 0;
  int y = 0;
  std::string Position() const { return Coordinate(x) + " " + Coordinate(y); }
};

// Aircraft of the shipped class.tavrek by side, with the role that decides their base.
struct SquadronType {
  const char* name;
  bool seaplane;
};
constexpr std::array<SquadronType, 6> kAlliedTypes{{{"F6F5", false},
                                                    {"F4U1D", false},
                                                    {"TBF1C", false},
                                                    {"B_25J1", false},
                                                    {"C_47", false},
                                                    {"PBN1", true}}};
constexpr std::array<SquadronType, 6> kAxisTypes{{{"A6M5", false},
                                                  {"KI_84_IA", false},
                                                  {"D3A1", false},
                                                  {"G4M2E", false},
                                                  {"KI_46_OTSU", false},
                                                  {"A6M2N", true}}};

class GeneratedCampaign {
 public:
  explicit GeneratedCampaign(int size)
      : folder_(fs::temp_directory_path() /
                ("tavrek_init_bench_" + std::to_string(::getpid()) + "_" + std::to_string(size))) {
    fs::create_directories(folder_ / "data");
    fs::copy(kShippedData, folder_ / "data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    std::mt19937 random(static_cast<unsigned>(size));
    std::uniform_int_distribution<int> spread(1000, kMapMetres);
    const int land_count = size - kRailStations - kSeaNodes;
    for (int i = 0; i < land_count; ++i) {
      std::string name = "Loc" + std::to_string(i);
      if (i % 50 == 5)
        name += "_Harbor";
      else if (i % 25 == 0)
        name += "_Airfield";
      land_.push_back({name, spread(random), spread(random)});
    }
    for (int i = 0; i < kRailStations; ++i) {
      stations_.push_back(
          {"Rail" + std::to_string(i) + "_Station", spread(random), spread(random)});
    }
    for (int i = 0; i < kSeaNodes; ++i) {
      sea_.push_back({"Lane" + std::to_string(i) + "_Sea", spread(random), spread(random)});
    }
    front_ = land_[land_count / 2 + 1].name;
    WriteMap();
    WriteCampaign(random);
    MakeGameFolder();
    // The program folder holds the program, as the settings' save checks.
    WriteFile(folder_ / "tavrek", "");
    LoadFirstTime(folder_);
    fs::copy(folder_ / "campaign", folder_ / "campaign_as_loaded", fs::copy_options::recursive);
  }
  ~GeneratedCampaign() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  GeneratedCampaign(const GeneratedCampaign&) = delete;
  GeneratedCampaign& operator=(const GeneratedCampaign&) = delete;

  // The campaign as its first load left it and a game folder without missions again, after a
  // run changed them.
  void Restore() const {
    fs::remove_all(folder_ / "campaign");
    fs::copy(folder_ / "campaign_as_loaded", folder_ / "campaign", fs::copy_options::recursive);
    MakeGameFolder();
  }
  const fs::path& Folder() const { return folder_; }

  // Every file a campaign load reads.
  std::vector<std::string> LoadedFiles() const {
    std::vector<std::string> files;
    for (const char* name :
         {"campaign.tavrek", "squadrons.tavrek", "stationary.tavrek", "columns.tavrek",
          "territory.tavrek", "pilot.tavrek", "paints.tavrek", "noseart.tavrek"}) {
      files.push_back((folder_ / "campaign" / name).string());
    }
    for (const char* name :
         {"Bench.rds", "Bench.rls", "Bench.srd", "Bench.prd", "maps.tavrek", "offmap.tavrek",
          "armor.tavrek", "shipnames.tavrek", "class.tavrek", "payloads.tavrek", "fobjects.tavrek",
          "gobjects.tavrek", "squadids.tavrek", "cities.dat", "crewseats.tavrek"}) {
      files.push_back((folder_ / "data" / name).string());
    }
    return files;
  }

  // A main window with this program folder, campaign and game folder, the messages loaded,
  // nothing else.
  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    return NewBenchmarkForm(platform, folder_);
  }

 private:
  static std::string Section(const Place& a, const Place& b) {
    return "[" + a.name + " to " + b.name + "]\r\n" + a.Position() + " 120.00\r\n" +
           Coordinate((a.x + b.x) / 2) + " " + Coordinate((a.y + b.y) / 2) + " 120.00\r\n" +
           b.Position() + " 120.00\r\n";
  }

  static std::string Chain(const std::vector<Place>& places) {
    std::string text;
    for (size_t i = 0; i + 1 < places.size(); ++i) text += Section(places[i], places[i + 1]);
    return text;
  }

  // The game's career folders of every nation, and its co-op and dogfight folders.
  void MakeGameFolder() const {
    const fs::path missions = folder_ / "game" / "Missions";
    fs::remove_all(missions);
    for (const char* nation : {"DE", "RU", "US", "UM", "UN", "GB", "RN", "RA", "RZ", "FR", "DU",
                               "PL", "FI", "RO", "HU", "IN", "JA", "SK", "IT"}) {
      fs::create_directories(missions / "Campaign" / nation);
    }
    fs::create_directories(missions / "Net" / "coop");
    fs::create_directories(missions / "Net" / "dogfight");
    fs::create_directories(missions / "Single");
  }

  void WriteMap() const {
    const fs::path data = folder_ / "data";
    WriteFile(data / "Bench.rds", Chain(land_));
    WriteFile(data / "Bench.rls", Chain(stations_));
    WriteFile(data / "Bench.srd", Chain(sea_));
    WriteFile(data / "Bench.prd",
              "[West_Patrol]\r\n20000.00 20000.00\r\n60000.00 20000.00\r\n"
              "60000.00 60000.00\r\n20000.00 60000.00\r\n"
              "[East_Patrol]\r\n340000.00 20000.00\r\n380000.00 20000.00\r\n"
              "380000.00 60000.00\r\n340000.00 60000.00\r\n");
    AppendFile(data / "maps.tavrek",
               "\r\n[Bench]\r\nLoad=Bench/load.ini\r\nMapAxis=East\r\nAlliedID=2\r\nAxisID=11\r\n");
  }

  // Bases of one side and kind: the side's half of the map, x below or above the middle.
  std::vector<std::string> Bases(bool allied, bool seaplane) const {
    std::vector<std::string> bases;
    for (const Place& place : land_) {
      const bool kind = place.name.find(seaplane ? "_Harbor" : "_Airfield") != std::string::npos;
      if (kind && (place.x < kMapMetres / 2) == allied) bases.push_back(place.name);
    }
    return bases;
  }

  void WriteCampaign(std::mt19937& random) const {
    const fs::path campaign = folder_ / "campaign";
    std::ifstream sample_campaign(
        kShippedData.parent_path() / "sample" / "campaign" / "Okinawa45" / "campaign.tavrek",
        std::ios::binary);
    std::string record((std::istreambuf_iterator<char>(sample_campaign)), {});
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"Okinawa45", "Bench44"}, {"Okinawa", "Bench"}, {"Futema", front_}}) {
      record.replace(record.find(from), from.size(), to);
    }
    WriteFile(campaign / "campaign.tavrek", record);

    std::string squadrons;
    for (int s = 0; s < kSquadrons; ++s) {
      const bool allied = s % 2 == 0;
      const SquadronType& type = (allied ? kAlliedTypes : kAxisTypes)[(s / 2) % 6];
      const std::vector<std::string> bases = Bases(allied, type.seaplane);
      squadrons +=
          "[" + std::string(allied ? "USN_VF_" : "IJN_AG_") + std::to_string(s) + "0]\r\n" +
          "  Planes 12/12-3+4\r\n  Skill 1\r\n  Class air." + type.name + "\r\n" +
          (s == 0 ? "  Active True  AI False\r\n" : "  Active True  AI True\r\n") +
          "  1default.bmp\r\n  " + bases[static_cast<size_t>(s) % bases.size()] + "\r\n  Radio\r\n";
    }
    WriteFile(campaign / "squadrons.tavrek", squadrons);

    const std::array<std::string, 4> objects{
        "vehicles.artillery.Artillery$StBofors_40mm", "vehicles.stationary.Stationary$DiamondT_US",
        "vehicles.artillery.Artillery$Type88_75mm_JA", "vehicles.planes.Plane$A6M5"};
    std::uniform_int_distribution<int> offset(-900, 900);
    std::string stationary = "[NStationary]\r\n";
    const int object_count = static_cast<int>(land_.size() + stations_.size() + sea_.size());
    for (int n = 0; n < object_count; ++n) {
      const Place& near = land_[static_cast<size_t>(n) % land_.size()];
      const bool allied = near.x < kMapMetres / 2;
      stationary += std::string(n % 10 == 9 ? "X " : "  ") + std::to_string(n) + "_Static " +
                    objects[static_cast<size_t>(n) % 2 + (allied ? 0 : 2)] + " " +
                    (allied ? "1 " : "2 ") + Coordinate(near.x + offset(random)) + " " +
                    Coordinate(near.y + offset(random)) + " 360.00 0.0\r\n";
    }
    WriteFile(campaign / "stationary.tavrek", stationary);

    std::string columns;
    for (int c = 0; c < kColumns; ++c) {
      std::string kind;
      const Place* place = nullptr;
      if (c % 16 == 0) {
        place = &sea_[static_cast<size_t>(c / 16) % sea_.size()];
        kind = place->x < kMapMetres / 2 ? "Ships.USSFletcherDD445" : "Ships.IJNAkizukiDD42";
      } else if (c % 16 == 1) {
        place = &stations_[static_cast<size_t>(c / 16) % stations_.size()];
        kind = "Trains.Japan_CargoTrain";
      } else {
        place = &land_[static_cast<size_t>(c) * 37 % land_.size()];
        kind = place->x < kMapMetres / 2 ? "Armor.3-M4A2_US" : "Armor.3-Type97_ChiHa_JA";
      }
      const std::string army = place->x < kMapMetres / 2 ? "1" : "2";
      columns += std::to_string(c) + "_Chief " + kind + " " + army + " @" + place->name +
                 " $Unit_" + std::to_string(c) + " ~A\r\n";
    }
    WriteFile(campaign / "columns.tavrek", columns);
  }

  fs::path folder_;
  std::vector<Place> land_;
  std::vector<Place> stations_;
  std::vector<Place> sea_;
  std::string front_;
};

}  // namespace bench

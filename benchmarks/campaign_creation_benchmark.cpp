// Making a campaign of a master mission: the import of its squadrons, columns and static
// objects, then the start places of the columns and the bases of the squadrons, on generated
// maps and master missions of growing size, so the growth with the number of locations and
// objects can be read off the times.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "app/main_form.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/aircraft_classes.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/squadron_file.h"
#include "campaign_setup/mission_import.h"
#include "campaign_setup/start_placement.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMapMetres = 400000;
constexpr int kMostColumns = 1000;
constexpr int kMostFlights = 500;

std::string Coordinate(int metres) {
  return std::to_string(metres) + ".00";
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A map of `size` places (every fourth an airfield) on one long road, and a master mission of
// `size` static objects, up to 1000 columns and up to 500 flights spread over it.
class GeneratedMaster {
 public:
  explicit GeneratedMaster(int size)
      : folder_(fs::temp_directory_path() / ("tavrek_create_bench_" + std::to_string(::getpid()) +
                                             "_" + std::to_string(size))) {
    std::mt19937 random(static_cast<unsigned>(size));
    std::uniform_int_distribution<int> spread(0, kMapMetres);
    std::vector<std::string> names, positions;
    for (int i = 0; i < size; ++i) {
      names.push_back("Place_" + std::to_string(i) + (i % 4 == 0 ? "_Airfield" : ""));
      positions.push_back(Coordinate(spread(random)) + " " + Coordinate(spread(random)));
    }
    std::string roads;
    for (int i = 0; i + 1 < size; ++i) {
      roads += "[" + names[i] + " to " + names[i + 1] + "]\r\n" + positions[i] +
               " 120.00 0 2 3.33\r\n" + positions[i + 1] + " 120.00 0 2 3.33\r\n";
    }
    std::string mission = "[MAIN]\r\n  MAP Bench/load.ini\r\n";
    const int flights = std::min(kMostFlights, size / 20);
    for (int f = 0; f < flights; ++f) {
      const std::string flight = "Bench_" + std::to_string(f) + "00";
      mission += "[" + flight +
                 "]\r\n  Planes 4\r\n  Skill 2\r\n  Class air.F4F4\r\n"
                 "  Fuel 100\r\n  weapons default\r\n[" +
                 flight + "_Way]\r\n  TAKEOFF " + positions[(f * 4) % size] + " 0 0 &0\r\n";
    }
    mission += "[Chiefs]\r\n";
    const int columns = std::min(kMostColumns, size);
    for (int c = 0; c < columns; ++c) {
      mission +=
          "  " + std::to_string(c) + "_Chief Armor.3-M4A2_US " + std::to_string(1 + c % 2) + "\r\n";
    }
    for (int c = 0; c < columns; ++c) {
      mission += "[" + std::to_string(c) + "_Chief_Road]\r\n  " + positions[(c * 7) % size] +
                 " 120.00 0 2 5.0\r\n";
    }
    mission += "[NStationary]\r\n";
    for (int i = 0; i < size; ++i) {
      mission += "  " + std::to_string(i) + "_Static vehicles.artillery.Artillery$Flak37 " +
                 std::to_string(1 + i % 2) + " " + Coordinate(spread(random)) + " " +
                 Coordinate(spread(random)) + " 360.00 0.0\r\n";
    }
    WriteFile(folder_ / "data" / "Bench.rds", roads);
    WriteFile(folder_ / "master.mis", mission);
    for (const char* file : {"class.tavrek", "payloads.tavrek", "shipnames.tavrek",
                             "gobjects.tavrek", "squadids.tavrek", "airfields.tavrek"}) {
      fs::copy_file(fs::path(TAVREK_SOURCE_DIR) / "data" / file, folder_ / "data" / file);
    }
    fs::create_directories(folder_ / "campaign");
  }
  ~GeneratedMaster() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek", "bench"});
    form->ProgramFolder = folder_.string() + "/";
    form->CampaignFolder = (folder_ / "campaign").string() + "/";
    form->CampaignDataFolder = form->ProgramFolder + "data/";
    form->MapName = "Bench";
    form->GameID = "1946";
    form->BugOutRadius = 10;
    form->ActionRadius.Text = "250 Kilometers";
    form->FrontCenterPosition = Coordinate(kMapMetres / 2) + " " + Coordinate(kMapMetres / 2);
    form->DayBox.Text = "01";
    form->MonthBox.Text = "04";
    form->YearBox.Text = "1945";
    return form;
  }
  std::string MasterPath() const { return (folder_ / "master.mis").string(); }

 private:
  fs::path folder_;
};

GeneratedCampaigns<GeneratedMaster>& Shared() {
  static GeneratedCampaigns<GeneratedMaster> campaigns;
  return campaigns;
}

void BM_CreateFromMasterMission(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const GeneratedMaster& master = Shared().OfSize(size);
  auto form = master.NewForm(Shared().Platform());
  LoadPlaneInfo(*form);
  for (auto _ : state) {
    TargetLocations(*form);
    const int last_location = form->LastLocation;
    ImportData(*form, master.MasterPath());
    form->LastLocation = last_location;
    SquadronList(*form, "OFF");
    for (int i = 0; i <= form->LastLocation; ++i) {
      form->LocationTable[i].LocationArmy = i % 2 == 0 ? "1" : "2";
    }
    GetColumnStartLocation(*form, master.MasterPath());
    GetAirfield(*form, master.MasterPath());
    benchmark::DoNotOptimize(form->LastStationary);
  }
  state.SetComplexityN(size);
}

BENCHMARK(BM_CreateFromMasterMission)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Shared().Clear();
  return 0;
}

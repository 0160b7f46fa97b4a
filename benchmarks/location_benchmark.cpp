// Loading a campaign of full size: the location table from the route files, the static
// objects with their nearest locations, and the ground columns. Each size gets its own map
// and campaign, generated into a temporary folder before it is measured, so the growth with
// the number of locations and objects can be read off the times.

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
#include "campaign_data/column_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/stationary_file.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 1024;
constexpr int kMapMetres = 400000;

std::string Coordinate(int metres) {
  return std::to_string(metres) + ".00";
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A map of `size` locations joined into one long road, half of them also by rail, and a
// campaign of `size` static objects and 1024 columns spread over it.
class GeneratedCampaign {
 public:
  explicit GeneratedCampaign(int size)
      : folder_(fs::temp_directory_path() /
                ("tavrek_bench_" + std::to_string(::getpid()) + "_" + std::to_string(size))) {
    std::mt19937 random(static_cast<unsigned>(size));
    std::uniform_int_distribution<int> spread(0, kMapMetres);
    std::string roads, rails, objects = "[NStationary]\r\n", columns;
    std::vector<std::string> positions;
    for (int i = 0; i < size; ++i) {
      positions.push_back(Coordinate(spread(random)) + " " + Coordinate(spread(random)));
    }
    for (int i = 0; i + 1 < size; ++i) {
      const std::string header =
          "[Place_" + std::to_string(i) + " to Place_" + std::to_string(i + 1) + "]\r\n";
      const std::string road = header + positions[i] + " 120.00 0 2 3.33\r\n" + positions[i] +
                               " 120.00 0 2 3.33\r\n" + positions[i + 1] + " 120.00 0 2 3.33\r\n";
      roads += road;
      if (i % 2 == 0) rails += road;
    }
    for (int i = 0; i < size; ++i) {
      objects += "  " + std::to_string(i) + "_Static vehicles.artillery.Artillery$Flak37 " +
                 std::to_string(1 + i % 2) + " " + Coordinate(spread(random)) + " " +
                 Coordinate(spread(random)) + " 360.00 0 1 1\r\n";
    }
    for (int c = 0; c < kColumns; ++c) {
      const std::string army = std::to_string(1 + c % 2);
      const std::string kind = c % 16 == 0   ? "Ships.Destroyer"
                               : c % 16 == 1 ? "Trains.Wagon"
                                             : "Armor.T34";
      const std::string place = c % 8 < 2 ? "Blank" : "Place_" + std::to_string(c * 37 % size);
      columns += std::to_string(c) + "_Chief " + kind + " " + army + " @" + place + " $Unit " +
                 std::to_string(c) + " ~A\r\n";
    }
    WriteFile(folder_ / "data" / "Bench.rds", roads);
    WriteFile(folder_ / "data" / "Bench.rls", rails);
    WriteFile(folder_ / "data" / "armor.tavrek",
              "T34               1 194107 194512 T34_85             12 11\r\n");
    WriteFile(folder_ / "campaign" / "stationary.tavrek", objects);
    WriteFile(folder_ / "campaign" / "columns.tavrek", columns);
  }
  ~GeneratedCampaign() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // A main window with this campaign selected and nothing loaded.
  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
    form->ProgramFolder = folder_.string() + "/";
    form->CampaignFolder = (folder_ / "campaign").string() + "/";
    form->MapName = "Bench";
    form->MapAxis = "West";
    form->FrontCenterName = "Place_0";
    form->ActionRadius.Text = "250 Kilometers";
    form->ReinforcementChance = {50, 50};
    return form;
  }

 private:
  fs::path folder_;
};

GeneratedCampaigns<GeneratedCampaign>& Shared() {
  static GeneratedCampaigns<GeneratedCampaign> campaigns;
  return campaigns;
}

// Owners for the ground-column rules: the western half Axis, the eastern half Allied.
void GiveOwners(TMainForm& form) {
  for (int j = 0; j <= form.LastLocation; ++j) {
    form.LocationTable[j].LocationArmy = j % 2 == 0 ? "1" : "2";
  }
}

void BM_TargetLocations(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  for (auto _ : state) {
    TargetLocations(*form);
    benchmark::DoNotOptimize(form->LastLocation);
  }
  state.SetComplexityN(size);
}

void BM_StationaryList(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  TargetLocations(*form);
  for (auto _ : state) {
    StationaryList(*form);
    benchmark::DoNotOptimize(form->StationaryObjectTable[size - 1].StationaryNearestLocation);
  }
  state.SetComplexityN(size);
}

void BM_LoadStationary(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  TargetLocations(*form);
  for (auto _ : state) {
    LoadStationary(*form);
    benchmark::DoNotOptimize(form->LastStationary);
  }
  state.SetComplexityN(size);
}

void BM_ColumnList(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  TargetLocations(*form);
  GiveOwners(*form);
  for (auto _ : state) {
    ColumnList(*form);
    benchmark::DoNotOptimize(form->LastColumn);
  }
  state.SetComplexityN(size);
}

// The whole load of a campaign's map, objects and columns, as a pipeline pass runs it.
void BM_CampaignLoad(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  TargetLocations(*form);
  GiveOwners(*form);
  for (auto _ : state) {
    TargetLocations(*form);
    StationaryList(*form);
    LoadStationary(*form);
    ColumnList(*form);
    benchmark::DoNotOptimize(form->LastColumn);
  }
  state.SetComplexityN(size);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(5000)->Arg(20000)->Arg(50000)->Unit(benchmark::kMillisecond);
  benchmark->Complexity(benchmark::oNLogN);
}

BENCHMARK(BM_TargetLocations)->Apply(Sizes);
BENCHMARK(BM_StationaryList)->Apply(Sizes);
BENCHMARK(BM_LoadStationary)->Apply(Sizes);
BENCHMARK(BM_ColumnList)->Apply(Sizes);
BENCHMARK(BM_CampaignLoad)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Shared().Clear();
  return 0;
}

// The ground war between two missions: the territory owner pass and its files, the combat
// strengths, the column routing and a whole ground-war step of a pass, on the shipped sample
// (size 0) and on generated campaigns of 1,000 to 50,000 locations with 1,024 columns on long
// routes. Each size is generated into a temporary folder before it is measured.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/messages.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/column_routes.h"
#include "campaign_progression/front_objects.h"
#include "campaign_progression/ground_combat.h"
#include "campaign_progression/route_sections.h"
#include "campaign_progression/stationary_check.h"
#include "campaign_progression/territory.h"
#include "campaign_progression/territory_capture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 1024;
constexpr int kLongRoute = 200;  // points of a road section a column travels
constexpr int kShortRoute = 4;
constexpr int kMapMetres = 400000;

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string Coordinate(long long metres) {
  return std::to_string(metres) + ".00";
}

// The kind of place i of a generated map: most are towns, some stations, harbours and sea.
std::string PlaceName(int i) {
  switch (i % 10) {
    case 0:
      return "Place_" + std::to_string(i) + "_Rail_Station";
    case 1:
      return "Place_" + std::to_string(i) + "_Harbor";
    case 2:
      return "Sea_" + std::to_string(i);
    default:
      return "Place_" + std::to_string(i);
  }
}

// A campaign folder: either a copy of the sample or a generated map of `size` locations joined
// in a chain of roads (railways and sea routes between their kinds of place), 1,024 columns on
// long sections, and size / 2 static objects.
class Campaign {
 public:
  explicit Campaign(int size)
      : size_(size),
        folder_(fs::temp_directory_path() /
                ("tavrek_groundwar_" + std::to_string(::getpid()) + "_" + std::to_string(size))) {
    if (size == 0) {
      CopySample();
    } else {
      Generate();
    }
  }
  ~Campaign() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // A main window on this campaign with its map, territory, objects and columns loaded.
  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
    TMainForm& f = *form;
    f.ProgramFolder = folder_.string() + "/";
    f.CampaignFolder = (folder_ / "campaign").string() + "/";
    f.ActionRadius.Text = "250 Kilometers";
    f.ActionRadiusKm = 250;
    f.ActiveFront.Checked = true;
    f.GameID = "1946";
    f.Rand.SetSeed(1945);
    if (size_ == 0) {
      GetMessages(f);
      CampaignInfo(f);
      MapList(f, f.MapName);
    } else {
      f.MapName = "Bench";
      f.MapAxis = "West";
      f.FrontCenterName = "Place_" + std::to_string(size_ / 2 + 3);
      f.TroopBox.Text = "1000";
      f.CampaignYear = 1943;
      f.CampaignMonth = 7;
    }
    TargetLocations(f);
    ReadTerritory(f);
    SetTgtNation(f, 0);
    StationaryList(f);
    LoadStationary(f);
    ColumnList(f);
    if (size_ == 0) SquadronList(f, "OFF");
    return form;
  }

 private:
  void CopyShippedData() const {
    fs::create_directories(folder_ / "data");
    fs::copy(fs::path(TAVREK_SOURCE_DIR) / "data", folder_ / "data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }

  void CopySample() const {
    const fs::path source(TAVREK_SOURCE_DIR);
    const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::create_directories(folder_ / "campaign");
    CopyShippedData();
    fs::copy(source / "sample" / "campaign" / "Okinawa45", folder_ / "campaign", options);
  }

  // The shipped reference data (the column routing places its columns' objects from
  // gobjects.tavrek), with the generated map and an armour table of its own over it.
  void Generate() const {
    CopyShippedData();
    std::mt19937 random(static_cast<unsigned>(size_));
    std::uniform_int_distribution<long long> spread(0, kMapMetres);
    std::vector<std::pair<long long, long long>> positions;
    for (int i = 0; i < size_; ++i) positions.emplace_back(spread(random), spread(random));
    // Columns stand at every few towns; the sections leaving and reaching them are long.
    std::vector<int> column_places;
    for (int i = 3; column_places.size() < kColumns; i = (i + 7) % size_) {
      if (i % 10 >= 3 && i + 1 < size_ && i > 0) column_places.push_back(i);
    }
    std::vector<bool> long_from(static_cast<size_t>(size_), false);
    for (const int place : column_places) {
      long_from[static_cast<size_t>(place)] = true;
      long_from[static_cast<size_t>(place - 1)] = true;
    }
    std::string roads, rails, sea;
    for (int i = 0; i + 1 < size_; ++i) {
      const auto& [x0, y0] = positions[static_cast<size_t>(i)];
      const auto& [x1, y1] = positions[static_cast<size_t>(i + 1)];
      const int points = long_from[static_cast<size_t>(i)] ? kLongRoute : kShortRoute;
      std::string section = "[" + PlaceName(i) + " to " + PlaceName(i + 1) + "]\r\n";
      for (int p = 0; p < points; ++p) {
        const long long x = x0 + (x1 - x0) * p / (points - 1);
        const long long y = y0 + (y1 - y0) * p / (points - 1);
        section += Coordinate(x) + " " + Coordinate(y) + (p == 1 ? " -120.00\r\n" : " 120.00\r\n");
      }
      std::string& file = i % 10 == 0 ? rails : i % 10 == 1 || i % 10 == 2 ? sea : roads;
      file += section;
    }
    const fs::path data = folder_ / "data";
    WriteFile(data / "Bench.rds", roads);
    WriteFile(data / "Bench.rls", rails);
    WriteFile(data / "Bench.srd", sea);
    WriteFile(data / "armor.tavrek",
              "3-T34             1 194107 194512 none              30 30\r\n"
              "3-PzIVF2          2 194203 194505 none              25 25\r\n");

    std::string objects = "[NStationary]\r\n";
    for (int s = 0; s < size_ / 2; ++s) {
      const char* kind = s % 5 == 0   ? "vehicles.stationary.Stationary$OpelBlitz6700A_fuel"
                         : s % 5 == 1 ? "vehicles.stationary.Stationary$ZIS5_PC"
                                      : "vehicles.artillery.Artillery$Flak37";
      objects += std::string(s % 7 == 0 ? "X " : "  ") + std::to_string(s) + "_Static " + kind +
                 " " + std::to_string(1 + s % 2) + " " + Coordinate(spread(random)) + " " +
                 Coordinate(spread(random)) + " 360.00 0.0\r\n";
    }
    std::string columns;
    for (int c = 0; c < kColumns; ++c) {
      const int place = column_places[static_cast<size_t>(c)];
      const std::string army = place % 2 == 0 ? "1" : "2";
      const char* kind =
          c % 3 == 0 ? (army == "1" ? "Armor.3-T34" : "Armor.3-PzIVF2")
                     : (army == "1" ? "Vehicles.RussiaCarsColumnA" : "Vehicles.GermanyCarsColumnA");
      columns += std::to_string(c) + "_Chief " + kind + " " + army + " @" + PlaceName(place) +
                 " $Unit_" + std::to_string(c) + " ~A\r\n";
    }
    WriteFile(folder_ / "campaign" / "stationary.tavrek", objects);
    WriteFile(folder_ / "campaign" / "columns.tavrek", columns);
    WriteFile(folder_ / "campaign" / "campaign.tavrek", "");
  }

  int size_;
  fs::path folder_;
};

GeneratedCampaigns<Campaign>& Shared() {
  static GeneratedCampaigns<Campaign> campaigns;
  return campaigns;
}

// The owner pass over every place and the territory files.
void BM_DefineTerritory(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  for (auto _ : state) {
    SetTgtNation(*form, 0);
    DefineTerritory(*form);
    benchmark::DoNotOptimize(form->LocationTable[0].LocationArmy);
  }
  state.SetComplexityN(std::max(size, 41));
}

void BM_DetermineRetreat(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  for (auto _ : state) {
    DetermineRetreat(*form);
    benchmark::DoNotOptimize(form->LocationTable[0].LocationCombat);
  }
  state.SetComplexityN(std::max(size, 41));
}

void BM_ColumnRoads(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  ColumnLocation(*form, "No");
  DetermineRetreat(*form);
  const ColumnTableType columns = form->ColumnTable;
  // The route files as a run has them: parsed once, before the routing measured here.
  const RouteFileScope route_files(form->ParsedRouteFiles);
  for (auto _ : state) {
    state.PauseTiming();
    form->ColumnTable = columns;
    state.ResumeTiming();
    ColumnRoads(*form);
    benchmark::DoNotOptimize(form->ColumnRoadText.size());
  }
  state.SetComplexityN(std::max(size, 41));
}

// One ground-war step of a pass, in the pipeline's order: load, column logistics, capture,
// static objects, strengths, front guns, routes and the column list update.
void BM_GroundWarStep(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  TMainForm& f = *form;
  for (auto _ : state) {
    // A pass parses the route files once for the front guns and the routes.
    const RouteFileScope route_files(f.ParsedRouteFiles);
    TargetLocations(f);
    ReadTerritory(f);
    SetTgtNation(f, 0);
    StationaryList(f);
    LoadStationary(f);
    ColumnList(f);
    ColumnLocation(f, "Yes");
    SaveStationary(f);
    TerritoryCapture(f);
    DefineTerritory(f);
    StationaryCheck(f);
    SaveStationary(f);
    DetermineRetreat(f);
    StationaryFront(f);
    ColumnRoads(f);
    UpdateColumnList(f);
    SetTgtNation(f, 0);
    DefineTerritory(f);
    benchmark::DoNotOptimize(f.ColumnChiefsText.size());
  }
  state.SetComplexityN(std::max(size, 41));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(0)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_DefineTerritory)->Apply(Sizes);
BENCHMARK(BM_DetermineRetreat)->Apply(Sizes);
BENCHMARK(BM_ColumnRoads)->Apply(Sizes);
BENCHMARK(BM_GroundWarStep)->Apply(Sizes)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Shared().Clear();
  return 0;
}

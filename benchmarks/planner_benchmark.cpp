// The mission planner (GenerateWays) on the shipped Okinawa sample and on generated campaigns
// of 1,000, 10,000 and 50,000 map locations with 1,028 squadrons and 1,024 ground columns.
// Squadrons and columns stay at those counts, so the growth of the times with the map's size
// can be read off them. Every iteration plans a freshly built campaign (built outside the
// timing), since a plan moves locations and fills the squadrons' mission fields.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "mission_generation/planner.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSquadrons = 1028;
constexpr int kColumns = 1024;
constexpr int kMapMetres = 400000;
constexpr int kRoutePoints = 21;
constexpr std::uint32_t kSeed = 20250406;

const fs::path kSourceFolder = TAVREK_SOURCE_DIR;

std::string Coordinate(long long metres) {
  return std::to_string(metres) + ".00";
}

std::string Position(long long x, long long y) {
  return Coordinate(x) + " " + Coordinate(y);
}

// A program folder of its own for the run log and the campaign file the plan writes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(fs::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    fs::create_directories(path_ / "campaign");
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string Path() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

// The shipped reference data, for the message lines the plan quotes.
void CopyShippedData(const ScratchFolder& folder) {
  fs::create_directories(folder.Path() + "data");
  fs::copy(kSourceFolder / "data", folder.Path() + "data",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// ---- Generated campaigns ------------------------------------------------------------------------

// A square map of `size` places: the Allied side holds the western half, the Axis side the
// eastern, a band along the middle is contested and its centre is the front centre. Every 25th
// place is an airfield, every 50th a harbour, every 40th a sea node. Squadrons of every role
// sit on the airfields and harbours of their side; columns of armour, trucks, trains and ships
// move between places of their side with routes of 21 points, some over a bridge.
class GeneratedPlanCampaign {
 public:
  explicit GeneratedPlanCampaign(int size)
      : size_(size), folder_("tavrek_plan_bench_" + std::to_string(size)) {
    std::mt19937 random(static_cast<unsigned>(size));
    std::uniform_int_distribution<int> spread(1000, kMapMetres - 1000);
    for (int j = 0; j < size; ++j) {
      Place place{"Loc" + std::to_string(j), spread(random), spread(random)};
      if (j % 50 == 5) {
        place.name += "_Harbor";
      } else if (j % 40 == 7) {
        place.name += "_Sea";
      } else if (j % 25 == 0) {
        place.name += "_Airfield";
      }
      places_.push_back(place);
    }
    places_[0] = {"Front_Centre", kMapMetres / 2, kMapMetres / 2};
    CopyShippedData(folder_);
  }

  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
    TMainForm& f = *form;
    SetOptionDefaults(f);
    f.ProgramFolder = folder_.Path();
    f.CampaignFolder = folder_.Path() + "campaign/";
    GetMessages(f);
    f.SquadronDensity.Text = "Full";
    f.CampaignYear = 1944;
    f.CampaignMonth = 6;
    f.CampaignDay = 6;
    f.MissionTime = "0";
    f.MapName = "Bench";
    f.MapTitle = "Bench";
    f.PatrolText[0] = "West_Patrol";
    f.PatrolText[2] = "40000";
    f.PatrolText[3] = "40000";
    f.PatrolText[12] = "East_Patrol";
    f.PatrolText[14] = "360000";
    f.PatrolText[15] = "40000";
    FillLocations(f);
    FillSquadrons(f);
    FillColumns(f);
    return form;
  }

 private:
  struct Place {
    std::string name;
    int x;
    int y;
  };

  static std::string Side(int x) {
    if (x < kMapMetres / 2 - 10000) return "1";
    if (x > kMapMetres / 2 + 10000) return "2";
    return "0";
  }

  void FillLocations(TMainForm& f) const {
    for (int j = 0; j < size_; ++j) {
      LocationEntry& location = f.LocationTable[j];
      location.LocationName = places_[static_cast<size_t>(j)].name;
      location.LocationPosition =
          Position(places_[static_cast<size_t>(j)].x, places_[static_cast<size_t>(j)].y);
      location.LocationArmy = Side(places_[static_cast<size_t>(j)].x);
      location.LocationOffMap = "N";
      location.LocationTargetValue = j % 7;
    }
    f.LastLocation = size_ - 1;
    f.FrontCenterIndex = 0;
    f.FrontCenterName = places_[0].name;
    f.FrontCenterPosition = f.LocationTable[0].LocationPosition;
  }

  // Bases of one side: airfields, or harbours for seaplanes.
  std::vector<int> Bases(const std::string& side, bool seaplanes) const {
    std::vector<int> bases;
    for (int j = 0; j < size_; ++j) {
      const Place& place = places_[static_cast<size_t>(j)];
      const bool kind = place.name.find(seaplanes ? "_Harbor" : "_Airfield") != std::string::npos;
      if (kind && Side(place.x) == side) bases.push_back(j);
    }
    return bases;
  }

  void FillSquadrons(TMainForm& f) const {
    const std::array<std::vector<int>, 2> airfields{Bases("1", false), Bases("2", false)};
    const std::array<std::vector<int>, 2> harbours{Bases("1", true), Bases("2", true)};
    for (int s = 0; s < kSquadrons; ++s) {
      SquadronEntry& q = f.SquadronTable[s];
      const int side = s % 2;
      const std::string role = std::to_string(1 + (s / 2) % 7);
      const std::vector<int>& bases = role == "6" ? harbours[side] : airfields[side];
      const LocationEntry& base =
          f.LocationTable[bases[static_cast<size_t>(s / 14) % bases.size()]];
      q.SquadronName = (side == 0 ? "Allied_" : "Axis_") + std::to_string(s);
      q.SquadronFullName = q.SquadronName + " Squadron";
      q.SquadronArmy = side == 0 ? "1" : "2";
      q.SquadronNation = side == 0 ? "us" : "de";
      q.SquadronRole = role;
      q.SquadronClass = "Class air.Type" + role;
      q.TypeDescription = "Type " + role;
      q.SquadronFlyable = "1";
      q.SquadronActive = s == 0 ? "Active True " : "Active False";
      q.SquadronAI = "AI True";
      q.PlanesAvailable = q.PlanesFlight = "12";
      q.PlanesMax = "16";
      q.PlanesExtra = 4;
      q.TypeTransitAlt = "3000 Meters";
      q.TypeCruiseSpeed = "350.00 kph";
      q.TypeIngressSpeed = "400.00 kph";
      q.TypeRange = "Default";
      q.TypeDefaultWeapons = q.SquadronWeapons = "default";
      q.TypePayload2 = role == "1" || role == "4" || role == "7" ? "rockets" : "none";
      q.TypePayload3 = role == "1" ? "guns" : "none";
      q.TypePayload4 = role == "1" ? "default" : role == "3" || role == "5" ? "cameras" : "bombs";
      q.TypePayload5 = "none";
      q.TypePayload6 = role == "2" || role == "6" ? "torpedo" : "none";
      q.SquadronHomeBase = base.LocationName;
      q.SquadronTakeOffLeg = "TAKEOFF " + base.LocationPosition;
      q.SquadronLandingLeg = "LANDING " + base.LocationPosition;
    }
    f.LastSquadron = kSquadrons - 1;
  }

  void FillColumns(TMainForm& f) const {
    std::mt19937 random(static_cast<unsigned>(size_) + 1);
    std::uniform_int_distribution<int> pick(0, size_ - 1);
    for (int c = 0; c < kColumns; ++c) {
      ColumnEntry& column = f.ColumnTable[c];
      const std::string side = c % 2 == 0 ? "1" : "2";
      int from = pick(random);
      while (Side(places_[static_cast<size_t>(from)].x) != side) from = pick(random);
      const int to = pick(random);
      const char* kind = c % 16 == 0   ? "Ships.Destroyer"
                         : c % 16 == 1 ? "Trains.Cargo"
                         : c % 4 == 2  ? "Vehicles.Trucks"
                                       : "Armor.Tanks";
      column.ColumnName = std::to_string(c) + "_Chief";
      column.ColumnType = column.ColumnName + " " + kind + " " + side;
      column.ColumnUnitName = "Unit_" + std::to_string(c);
      column.ColumnArmy = side;
      column.ColumnPlace = places_[static_cast<size_t>(from)].name;
      column.ColumnDestination = places_[static_cast<size_t>(to)].name;
      column.ColumnMarks = "A";
      column.ColumnInMission = "Y";
      const Place& a = places_[static_cast<size_t>(from)];
      const Place& b = places_[static_cast<size_t>(to)];
      for (int k = 0; k < kRoutePoints; ++k) {
        const long long x = a.x + (static_cast<long long>(b.x) - a.x) * k / (kRoutePoints - 1);
        const long long y = a.y + (static_cast<long long>(b.y) - a.y) * k / (kRoutePoints - 1);
        const bool bridge = c % 3 == 0 && k == kRoutePoints / 2;
        column.ColumnRoute[k] = Position(x, y) + (bridge ? " -120.00" : " 120.00");
      }
      column.ColumnLastRoutePoint = kRoutePoints - 1;
      if (c % 3 == 0) f.RoutePointMark[c] = "Y";
    }
    f.LastColumn = kColumns - 1;
  }

  int size_;
  std::vector<Place> places_;
  ScratchFolder folder_;
};

GeneratedCampaigns<GeneratedPlanCampaign>& Generated() {
  static GeneratedCampaigns<GeneratedPlanCampaign> campaigns;
  return campaigns;
}

// Plans the campaign of `size` locations once per iteration. Without `log_to_disk` the run log
// stays in memory, which leaves out the rewrite of tavrekerror.txt after every line that the
// run log does today.
void PlanGeneratedCampaign(benchmark::State& state, bool log_to_disk) {
  const int size = static_cast<int>(state.range(0));
  const GeneratedPlanCampaign& campaign = Generated().OfSize(size);
  int flying = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TMainForm> form = campaign.NewForm(Generated().Platform());
    form->Rand.SetSeed(kSeed);
    if (!log_to_disk) {
      form->ProgramFolder = "/nonexistent/tavrek/";
      form->RunLogWriteFailed = true;
    }
    state.ResumeTiming();
    GenerateWays(*form);
    state.PauseTiming();
    flying = 0;
    for (int s = 0; s <= form->LastSquadron; ++s) {
      flying += form->SquadronTable[s].SquadronInMission == "Y";
    }
    form.reset();
    state.ResumeTiming();
  }
  state.counters["flying"] = flying;
  state.SetComplexityN(size);
}

void BM_GenerateWays(benchmark::State& state) {
  PlanGeneratedCampaign(state, true);
}

void BM_GenerateWaysRunLogInMemory(benchmark::State& state) {
  PlanGeneratedCampaign(state, false);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
  benchmark->Complexity(benchmark::oNLogN);
}

BENCHMARK(BM_GenerateWays)->Apply(Sizes);
BENCHMARK(BM_GenerateWaysRunLogInMemory)->Apply(Sizes);

// ---- The shipped sample -------------------------------------------------------------------------

// The sample's territory: the Allied side west of the front centre Futema, the front and the
// open sea contested, the rest Japanese.
const std::set<std::string> kAlliedPlaces = {"Motobu",
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
const std::set<std::string> kContestedPlaces = {"Futema", "Pacific_Ocean", "Nakagusuku_Bay",
                                                "Kiyan_Sea"};

class SamplePlanCampaign {
 public:
  SamplePlanCampaign() : folder_("tavrek_plan_bench_sample") {
    const auto copy = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::create_directories(folder_.Path() + "data");
    fs::copy(kSourceFolder / "data", folder_.Path() + "data", copy);
    fs::copy(kSourceFolder / "sample" / "campaign" / "Okinawa45", folder_.Path() + "campaign",
             copy);
  }

  // The sample loaded by the program's loaders, with what the ground war leaves before a plan:
  // owners, placed static objects and their worth, every column in the mission at its place.
  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
    TMainForm& f = *form;
    SetOptionDefaults(f);
    f.ProgramFolder = folder_.Path();
    f.CampaignFolder = folder_.Path() + "campaign/";
    f.DataFilesFolder = f.ProgramFolder + "data/";
    f.GameID = "1946";
    f.SquadronDensityLevel = 12;
    GetMessages(f);
    CampaignInfo(f);
    MapList(f, f.MapName);
    TargetLocations(f);
    for (int j = 0; j <= f.LastLocation; ++j) {
      LocationEntry& location = f.LocationTable[j];
      location.LocationArmy = kAlliedPlaces.count(location.LocationName)      ? "1"
                              : kContestedPlaces.count(location.LocationName) ? "0"
                                                                              : "2";
    }
    StationaryList(f);
    LoadStationary(f);
    ColumnList(f);
    SquadronList(f, "OFF");
    SquadronBase(f);
    for (int k = 0; k <= f.LastStationary; ++k) {
      StationaryEntry& object = f.StationaryObjectTable[k];
      if (object.StationaryLine.rfind("X ", 0) == 0) continue;
      object.StationaryMissionLine = object.StationaryLine;
      f.LocationTable[object.StationaryNearestLocation].LocationTargetValue += 1;
    }
    for (int c = 0; c <= f.LastColumn; ++c) {
      ColumnEntry& column = f.ColumnTable[c];
      if (column.ColumnPlace == "Blank") continue;
      column.ColumnInMission = "Y";
      for (int j = 0; j <= f.LastLocation && column.ColumnLastRoutePoint < 0; ++j) {
        if (f.LocationTable[j].LocationName != column.ColumnPlace) continue;
        for (int k = 0; k < 4; ++k)
          column.ColumnRoute[k] = f.LocationTable[j].LocationPosition + " 120.00";
        column.ColumnLastRoutePoint = 3;
      }
    }
    return form;
  }

 private:
  ScratchFolder folder_;
};

void BM_GenerateWaysOnTheSample(benchmark::State& state) {
  static SamplePlanCampaign campaign;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TMainForm> form = campaign.NewForm(Generated().Platform());
    form->Rand.SetSeed(kSeed);
    state.ResumeTiming();
    GenerateWays(*form);
    benchmark::DoNotOptimize(form->SquadronTable[0].SquadronTargetLeg);
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_GenerateWaysOnTheSample)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Generated().Clear();
  return 0;
}

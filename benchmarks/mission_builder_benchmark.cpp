// The mission file builder (GenerateMission) on campaigns held in memory as they grow to the
// capacity of the tables: 1028 squadrons in the mission with two flights each, 1024 ground
// columns, and as many map locations as static objects, from 1000 up to 50000. Beside it, the
// bare writing of as many bytes as the builder leaves in its mission text and squadron file,
// the floor any builder pays.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_builder.h"
#include "platform/text_file.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSquadrons = 1028;
constexpr int kColumns = 1024;
constexpr int kMapMetres = 400000;

const fs::path kShippedData = fs::path(TAVREK_SOURCE_DIR) / "data";

std::string Position(long long x, long long y) {
  return IntToStr(x) + ".00 " + IntToStr(y) + ".00";
}

// A program folder with the shipped reference data and an empty campaign folder; the tables
// are filled in memory for each window.
class BuilderCampaign {
 public:
  explicit BuilderCampaign(int size)
      : size_(size),
        folder_(fs::temp_directory_path() / ("tavrek_builder_bench_" + std::to_string(::getpid()) +
                                             "_" + std::to_string(size))) {
    fs::create_directories(folder_ / "data");
    fs::create_directories(folder_ / "campaign");
    fs::create_directories(folder_ / "game/Missions/Campaign/US/Tavrek");
    fs::copy(kShippedData, folder_ / "data",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  ~BuilderCampaign() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  BuilderCampaign(const BuilderCampaign&) = delete;
  BuilderCampaign& operator=(const BuilderCampaign&) = delete;

  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    auto form = std::make_unique<TMainForm>(platform, std::vector<std::string>{"tavrek"});
    TMainForm& f = *form;
    SetOptionDefaults(f);
    f.ProgramFolder = folder_.string() + "/";
    f.DataFilesFolder = f.ProgramFolder + "data/";
    f.CampaignDataFolder = f.DataFilesFolder;
    f.CampaignFolder = (folder_ / "campaign").string() + "/";
    f.GameFolder = (folder_ / "game").string() + "/";
    f.GameCampaignFolder = f.GameFolder + "Missions/Campaign/US/Tavrek/";
    f.GameID = "1946";
    GetMessages(f);
    f.BattleName = "Bench45";
    f.MapName = "Bench";
    f.CampaignDateText = "06/04/1945";
    f.CampaignMonth = 4;
    f.MissionTime = "0";
    f.FrontCenterPosition = Position(kMapMetres / 2, kMapMetres / 2);
    f.OilSupply = {100, 100};
    f.PlayerName = "Pilot 0-0";
    FillLocations(f);
    FillObjects(f);
    FillColumns(f);
    FillSquadrons(f);
    return form;
  }

  // Puts back what a run of the builder changes in the plan: legs, skills, bases, sorties.
  static void ResetPlan(TMainForm& f, const std::vector<SquadronEntry>& plan) {
    for (int s = 0; s <= f.LastSquadron; ++s) f.SquadronTable[s] = plan[static_cast<size_t>(s)];
    f.Rand.SetSeed(20261210);
  }

 private:
  static long long Spread(int index, int salt) {
    return 1000 + (static_cast<long long>(index) * 7919 + salt * 104729) % (kMapMetres - 2000);
  }

  void FillLocations(TMainForm& f) const {
    for (int l = 0; l < size_; ++l) {
      LocationEntry& location = f.LocationTable[l];
      location.LocationName = "Loc" + std::to_string(l) + (l % 25 == 0 ? "_Airfield" : "");
      location.LocationPosition = Position(Spread(l, 1), Spread(l, 2));
      location.LocationArmy = Spread(l, 1) < kMapMetres / 2 ? "1" : "2";
      location.LocationOffMap = "N";
    }
    f.LastLocation = size_ - 1;
  }

  void FillObjects(TMainForm& f) const {
    for (int j = 0; j < size_; ++j) {
      StationaryEntry& object = f.StationaryObjectTable[j];
      const std::string position = Position(Spread(j, 3), Spread(j, 4));
      const char* kind = j % 3 == 0 ? "vehicles.artillery.Artillery$Flak38"
                                    : "vehicles.stationary.Stationary$OpelBlitz";
      object.StationaryLine = "  " + std::to_string(j) + "_Static " + kind + " " +
                              (j % 2 == 0 ? "1 " : "2 ") + position + " 90.00 0.0";
      object.StationaryMissionLine = object.StationaryLine;
      object.StationaryPosition = position;
      object.StationaryMissionPosition = position;
      object.StationaryArmy = j % 2 == 0 ? "1" : "2";
      object.StationaryNearestLocation = j % size_;
    }
    f.LastStationary = size_ - 1;
  }

  static void FillColumns(TMainForm& f) {
    for (int c = 0; c < kColumns; ++c) {
      ColumnEntry& column = f.ColumnTable[c];
      column.ColumnName = std::to_string(c) + "_Chief";
      column.ColumnUnitName = "Unit" + std::to_string(c);
      column.ColumnType = column.ColumnName + " vehicles.artillery.Artillery$Flak38 1";
      f.ColumnChiefsText += "  " + column.ColumnType + "\r\n";
    }
    f.ColumnChiefsText = "[Chiefs]\r\n" + f.ColumnChiefsText;
    f.LastColumn = kColumns - 1;
  }

  void FillSquadrons(TMainForm& f) const {
    const int airfields = (size_ + 24) / 25;
    for (int s = 0; s < kSquadrons; ++s) {
      SquadronEntry& squadron = f.SquadronTable[s];
      const int base = (s % airfields) * 25;
      const int target = (s * 37 + 11) % size_;
      const LocationEntry& home = f.LocationTable[base];
      squadron.SquadronName = "SQ" + std::to_string(s) + "_0";
      squadron.SquadronRole = s % 4 == 1 ? "2" : "1";
      squadron.SquadronArmy = home.LocationArmy;
      squadron.SquadronNation = squadron.SquadronArmy == "1" ? "us" : "ja";
      squadron.SquadronClass = squadron.SquadronRole == "2" ? "Class air.B_25J1" : "Class air.F6F5";
      squadron.SquadronBaseClass = squadron.SquadronClass;
      squadron.TypeTransitAlt = "3000 Meters";
      squadron.TypeCruiseSpeed = "300.00 kph";
      squadron.TypeIngressSpeed = "350.00 kph";
      squadron.TypeRange = "Default";
      squadron.TypePayload5 = "none";
      squadron.TypeDefaultWeapons = "default";
      squadron.SquadronWeapons = "default";
      squadron.SquadronTaskCode = squadron.SquadronRole == "2" ? "1" : "3";
      squadron.SquadronMissionType = "Patrol";
      squadron.SquadronBriefing = "Fly to the target.";
      squadron.SquadronInMission = "Y";
      squadron.PlanesFlight = "8";
      squadron.PlanesAvailable = "8";
      squadron.PlanesExtra = 4;
      squadron.SquadronSkill = "Skill 1";
      squadron.SquadronFuel = "Fuel 100";
      squadron.SquadronActive = "Active True ";
      squadron.SquadronAI = s == 0 ? "AI False" : "AI True";
      squadron.SquadronFlyable = "1";
      squadron.SquadronRadio = "Radio";
      squadron.SquadronHomeBase = home.LocationName;
      squadron.SquadronTargetLocation = target;
      squadron.SquadronTakeOffLeg = "TAKEOFF " + home.LocationPosition;
      squadron.SquadronLandingLeg = "LANDING " + home.LocationPosition;
      const std::string& aim = f.LocationTable[target].LocationPosition;
      squadron.SquadronHalfWayLeg = "  NORMFLY " + aim + " <ALTITUDE> 300.00\r\n";
      squadron.SquadronTargetLeg = "  NORMFLY " + aim + " <ALTITUDE> 300.00 \r\n";
      squadron.SquadronReturnLeg = "  NORMFLY " + home.LocationPosition + " <ALTITUDE> 300.00\r\n";
      for (int slot = 0; slot < 16; ++slot) {
        PilotEntry& pilot = f.PilotRoster[RosterIndex(s, slot)];
        pilot.RosterName = "Pilot " + std::to_string(s) + "-" + std::to_string(slot);
        pilot.RosterRank = "1";
        pilot.RosterKills = "0";
        pilot.RosterGroundKills = "0";
        pilot.RosterSorties = "005";
        pilot.RosterSkin = "1default.bmp";
        pilot.RosterNoseArt = "None";
      }
    }
    f.LastSquadron = kSquadrons - 1;
  }

  int size_;
  fs::path folder_;
};

GeneratedCampaigns<BuilderCampaign>& Campaigns() {
  static GeneratedCampaigns<BuilderCampaign> campaigns;
  return campaigns;
}

void BM_GenerateMission(benchmark::State& state) {
  auto& campaigns = Campaigns();
  const BuilderCampaign& campaign = campaigns.OfSize(static_cast<int>(state.range(0)));
  std::unique_ptr<TMainForm> form = campaign.NewForm(campaigns.Platform());
  std::vector<SquadronEntry> plan;
  for (int s = 0; s <= form->LastSquadron; ++s) plan.push_back(form->SquadronTable[s]);
  size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    BuilderCampaign::ResetPlan(*form, plan);
    form->ErrorText.clear();
    state.ResumeTiming();
    GenerateMission(*form);
    bytes = form->MissionFileText.size();
  }
  state.counters["mission_bytes"] = static_cast<double>(bytes);
}

// Writing the builder's output bytes whole, and reading them back: the floor of the builder.
void BM_WriteMissionBytes(benchmark::State& state) {
  auto& campaigns = Campaigns();
  const BuilderCampaign& campaign = campaigns.OfSize(static_cast<int>(state.range(0)));
  std::unique_ptr<TMainForm> form = campaign.NewForm(campaigns.Platform());
  GenerateMission(*form);
  const std::string mission = form->MissionFileText;
  const std::string squadrons = ReadFileBytes(form->CampaignFolder + "squadrons.tavrek");
  const std::string path = form->CampaignFolder + "bare.mis";
  for (auto _ : state) {
    WriteTextFile(path, mission);
    WriteTextFile(form->CampaignFolder + "bare.tavrek", squadrons);
    benchmark::DoNotOptimize(ReadFileBytes(path));
  }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(1000)->Arg(5000)->Arg(20000)->Arg(50000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_GenerateMission)->Apply(Sizes)->Iterations(1);
BENCHMARK(BM_WriteMissionBytes)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  Campaigns().Clear();
  benchmark::Shutdown();
  return 0;
}

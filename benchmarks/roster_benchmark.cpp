// The pilot roster of a campaign as it grows to the capacity of the squadron table: building
// the roster of a new campaign (sixteen new pilots per squadron, every name unique across the
// roster) and loading and saving a roster that exists. Each size gets its own program folder
// with the shipped reference data and a campaign folder of that many squadrons of six nations.

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_form.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/messages.h"
#include "mission_results/name_lists.h"
#include "mission_results/pilot_roster.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedData = fs::path(TAVREK_SOURCE_DIR) / "data";

struct RosterCampaign {
  explicit RosterCampaign(int squadrons) : squadron_count(squadrons) {
    folder = fs::temp_directory_path() / ("tavrek_roster_benchmark_" + std::to_string(squadrons));
    fs::remove_all(folder);
    fs::create_directories(folder / "campaign");
    fs::copy(kShippedData, folder / "data", fs::copy_options::recursive);
  }
  ~RosterCampaign() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  RosterCampaign(const RosterCampaign&) = delete;
  RosterCampaign& operator=(const RosterCampaign&) = delete;

  int squadron_count;
  fs::path folder;
};

GeneratedCampaigns<RosterCampaign>& Campaigns() {
  static GeneratedCampaigns<RosterCampaign> campaigns;
  return campaigns;
}

// A window on the campaign with its squadrons in the table and its towns loaded.
std::unique_ptr<TMainForm> OpenCampaign(const RosterCampaign& campaign) {
  auto form = std::make_unique<TMainForm>(Campaigns().Platform(), std::vector<std::string>{});
  form->ProgramFolder = campaign.folder.string() + "/";
  form->CampaignFolder = (campaign.folder / "campaign").string() + "/";
  form->GameFolder = form->ProgramFolder;
  form->CampaignYear = 1944;
  GetMessages(*form);
  CityNames(*form);
  constexpr std::array<const char*, 6> kNations = {"us", "ja", "de", "ru", "gb", "it"};
  for (int squadron = 0; squadron < campaign.squadron_count; ++squadron) {
    SquadronEntry& entry = form->SquadronTable[squadron];
    entry.SquadronName = "Unit_" + std::to_string(squadron) + "0";
    entry.SquadronNation = kNations[squadron % kNations.size()];
    entry.SquadronRole = squadron % 3 == 0 ? "2" : "1";
    entry.PlanesExtra = 4;
  }
  form->LastSquadron = campaign.squadron_count - 1;
  form->Rand.SetSeed(17);
  return form;
}

void BM_NewCampaignRoster(benchmark::State& state) {
  const RosterCampaign& campaign = Campaigns().OfSize(static_cast<int>(state.range(0)));
  const fs::path roster = campaign.folder / "campaign" / "pilot.tavrek";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(roster);
    std::unique_ptr<TMainForm> form = OpenCampaign(campaign);
    state.ResumeTiming();
    LoadPilots(*form);
    SavePilot(*form, 0);
  }
  state.counters["pilots"] = 16.0 * static_cast<double>(state.range(0));
}

void BM_LoadAndSaveRoster(benchmark::State& state) {
  const RosterCampaign& campaign = Campaigns().OfSize(static_cast<int>(state.range(0)));
  std::unique_ptr<TMainForm> form = OpenCampaign(campaign);
  LoadPilots(*form);
  SavePilot(*form, 0);
  for (auto _ : state) {
    LoadPilots(*form);
    SavePilot(*form, 0);
  }
  state.counters["pilots"] = 16.0 * static_cast<double>(state.range(0));
}

BENCHMARK(BM_NewCampaignRoster)->Arg(22)->Arg(256)->Arg(1029)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSaveRoster)->Arg(22)->Arg(256)->Arg(1029)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// One Generate Mission at the pace "Normal" (one pass, with the grand-campaign check before it
// and the rebuilds after it) on the shipped sample and on generated campaigns up to the capacity
// of the tables: 1029 squadrons, 1024 ground columns and as many map locations as static
// objects, up to 50000. Beside each, the bare reading and writing of the same files' bytes, the
// floor a pass stands on: the ratio of the two shows what the pass adds to its files' input and
// output. Every run starts from the campaign as its first load left it, with its pilot roster,
// and a game folder without missions.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaign.h"
#include "benchmarks/generated_campaigns.h"
#include "benchmarks/sample_copy.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "mission_generation/mission_installation.h"
#include "mission_generation/pass_guard.h"
#include "mission_generation/pipeline.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

namespace fs = std::filesystem;

template <typename Campaign>
GeneratedCampaigns<Campaign>& Shared() {
  static GeneratedCampaigns<Campaign> campaigns;
  return campaigns;
}

template <typename Campaign>
void GenerateOneMission(benchmark::State& state, int size) {
  const Campaign& campaign = Shared<Campaign>().OfSize(size);
  auto form = Shared<Campaign>().ProgramForm(campaign);
  form->TimeSettingsBox.Text = "Normal";
  for (auto _ : state) {
    state.PauseTiming();
    campaign.Restore();
    form->ErrorText.clear();
    state.ResumeTiming();
    MissionButtonClick(*form);
    benchmark::DoNotOptimize(form->MissionFileText);
  }
  state.counters["locations"] = form->LastLocation + 1;
  state.counters["objects"] = form->LastStationary + 1;
  state.counters["columns"] = form->LastColumn + 1;
  state.counters["squadrons"] = form->LastSquadron + 1;
  state.SetComplexityN(size);
}

// Every file of the data and campaign folders read once; the campaign files, the career list
// and the mission's two files written once.
template <typename Campaign>
void ReadAndWriteTheFiles(benchmark::State& state, int size) {
  const Campaign& campaign = Shared<Campaign>().OfSize(size);
  const std::string data = (campaign.Folder() / "data").string() + "/";
  const std::string campaign_folder = (campaign.Folder() / "campaign").string() + "/";
  const std::string career = (campaign.Folder() / "game").string() + "/";
  const std::string career_list = CareerListText("", "Red", "RU");
  for (auto _ : state) {
    state.PauseTiming();
    campaign.Restore();
    state.ResumeTiming();
    for (const std::string& name : ListDirectory(data, "*")) {
      benchmark::DoNotOptimize(ReadFileBytes(data + name));
    }
    for (const std::string& name : ListDirectory(campaign_folder, "*")) {
      const std::string bytes = ReadFileBytes(campaign_folder + name);
      WriteTextFile(campaign_folder + name, bytes);
    }
    WriteTextFile(career + "campaign.ini", career_list);
    WriteTextFile(career + "tavrekmission.mis", "");
    WriteTextFile(career + "tavrekmission.properties", "");
  }
  state.SetComplexityN(size);
}

// What the pass guard adds to a pass: the copies of the campaign and settings files kept
// while it runs, and their removal at its end.
template <typename Campaign>
void KeepTheFilesOfAPass(benchmark::State& state, int size) {
  const Campaign& campaign = Shared<Campaign>().OfSize(size);
  auto form = Shared<Campaign>().ProgramForm(campaign);
  for (auto _ : state) {
    PassGuard guard(*form, "Pass 1");
    guard.Commit();
  }
  state.SetComplexityN(size);
}

void BM_GenerateMissionOnTheSample(benchmark::State& state) {
  GenerateOneMission<SampleCopy>(state, 0);
}
void BM_ReadAndWriteTheSampleFiles(benchmark::State& state) {
  ReadAndWriteTheFiles<SampleCopy>(state, 0);
}
void BM_KeepTheSampleFiles(benchmark::State& state) {
  KeepTheFilesOfAPass<SampleCopy>(state, 0);
}
void BM_KeepTheFiles(benchmark::State& state) {
  KeepTheFilesOfAPass<bench::GeneratedCampaign>(state, static_cast<int>(state.range(0)));
}
void BM_GenerateMission(benchmark::State& state) {
  GenerateOneMission<bench::GeneratedCampaign>(state, static_cast<int>(state.range(0)));
}
void BM_ReadAndWriteTheFiles(benchmark::State& state) {
  ReadAndWriteTheFiles<bench::GeneratedCampaign>(state, static_cast<int>(state.range(0)));
}

BENCHMARK(BM_GenerateMissionOnTheSample)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ReadAndWriteTheSampleFiles)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_KeepTheSampleFiles)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_KeepTheFiles)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_GenerateMission)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Complexity();
BENCHMARK(BM_ReadAndWriteTheFiles)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();

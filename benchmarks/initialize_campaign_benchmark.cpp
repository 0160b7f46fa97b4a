// Loading a whole campaign at start-up (InitializeCampaign) as it grows to the capacity of the
// tables: 1029 squadrons, 1024 ground columns and as many map locations as static objects, from
// 1000 up to 50000. Each size gets its own program folder, generated in the file formats of the
// shipped sample (its reference data, a map of that many locations, a campaign on it), so the
// growth with the size of the map can be read off the times.

#include <benchmark/benchmark.h>

#include "app/main_form.h"
#include "benchmarks/generated_campaign.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/startup.h"

namespace {

using bench::GeneratedCampaign;

GeneratedCampaigns<GeneratedCampaign>& Shared() {
  static GeneratedCampaigns<GeneratedCampaign> campaigns;
  return campaigns;
}

// Every table marked as not loaded, as after choosing the campaign folder.
void MarkNotLoaded(TMainForm& form) {
  form.LastLocation = -1;
  form.LastStationary = -1;
  form.LastColumn = -1;
  form.LastSquadron = -1;
}

void BM_InitializeCampaign(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  auto form = Shared().OfSize(size).NewForm(Shared().Platform());
  for (auto _ : state) {
    state.PauseTiming();
    MarkNotLoaded(*form);
    form->ErrorText.clear();
    state.ResumeTiming();
    InitializeCampaign(*form);
    benchmark::DoNotOptimize(form->LastSquadron);
  }
  state.counters["locations"] = form->LastLocation + 1;
  state.counters["objects"] = form->LastStationary + 1;
  state.counters["columns"] = form->LastColumn + 1;
  state.counters["squadrons"] = form->LastSquadron + 1;
  state.SetComplexityN(size);
}

BENCHMARK(BM_InitializeCampaign)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();

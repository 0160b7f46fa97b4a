// Loading a whole campaign at start-up (InitializeCampaign) as it grows to the capacity of the
// tables: 1029 squadrons, 1024 ground columns and as many map locations as static objects, from
// 1000 up to 50000. Each size gets its own program folder, generated in the file formats of the
// shipped sample (its reference data, a map of that many locations, a campaign on it), so the
// growth with the size of the map can be read off the times. Beside it, the floor: reading the
// same files, splitting them into lines and converting every field, with nothing kept.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaign.h"
#include "benchmarks/generated_campaigns.h"
#include "campaign_data/messages.h"
#include "campaign_data/startup.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"

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
  // One untimed load first, so every timed one finds the window as a load left it.
  InitializeCampaign(*form);
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

// The file whole in `buffer`, by one sized read.
void ReadWhole(const std::string& path, std::string& buffer) {
  buffer.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info {};
  ::fstat(fd, &info);
  buffer.resize(static_cast<size_t>(info.st_size));
  const ssize_t got = ::read(fd, buffer.data(), buffer.size());
  buffer.resize(got > 0 ? static_cast<size_t>(got) : 0);
  ::close(fd);
}

// Every blank-separated field of every line, numbers converted; a sum so nothing is skipped.
double ParseFields(std::string_view text) {
  double sum = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::string_view line = text.substr(start, end - start);
    while (!line.empty()) {
      const size_t field_start = line.find_first_not_of(' ');
      if (field_start == std::string_view::npos) break;
      line.remove_prefix(field_start);
      const size_t field_end = std::min(line.find(' '), line.size());
      const std::string_view field = line.substr(0, field_end);
      double value = 0;
      if (std::from_chars(field.data(), field.data() + field.size(), value).ec == std::errc{}) {
        sum += value;
      } else {
        sum += static_cast<double>(field.size());
      }
      line.remove_prefix(field_end);
    }
    start = end + 1;
  }
  return sum;
}

void BM_ReadSplitParseFiles(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const GeneratedCampaign& campaign = Shared().OfSize(size);
  const std::vector<std::string> files = campaign.LoadedFiles();
  for (const std::string& path : files) {
    if (!std::filesystem::is_regular_file(path)) {
      state.SkipWithError(("a load reads " + path + " but it is missing").c_str());
      return;
    }
  }
  std::string buffer;
  for (auto _ : state) {
    double sum = 0;
    for (const std::string& path : files) {
      ReadWhole(path, buffer);
      sum += ParseFields(buffer);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetComplexityN(size);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity();
}

BENCHMARK(BM_InitializeCampaign)->Apply(Sizes)->Iterations(3);
BENCHMARK(BM_ReadSplitParseFiles)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Shared().Clear();
  return 0;
}

// Starting the program on the shipped sample (the main window built, the settings and messages
// read, the campaign loaded) next to a bare read of the files that start-up reads, measured in
// one run so the two figures are comparable on whatever machine runs them.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/startup.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceFolder = fs::path(TAVREK_SOURCE_DIR);

// What an interactive start on the sample reads, relative to the program folder, each file once
// and in the order the start first reads it.
constexpr std::array<const char*, 28> kStartUpFiles{
    "tavrek.ini",
    "data/messages.tavrek",
    "data/messages_ru.tavrek",
    "sample/game/tavrek.ini",
    "data/allpaints.tavrek",
    "data/class.tavrek",
    "data/armor.tavrek",
    "data/shipnames.tavrek",
    "data/gobjects.tavrek",
    "sample/campaign/Okinawa45/campaign.tavrek",
    "data/payloads.tavrek",
    "data/cities.dat",
    "data/maps.tavrek",
    "data/Okinawa.rds",
    "data/Okinawa.rls",
    "data/Okinawa.srd",
    "data/Okinawa.prd",
    "data/offmap.tavrek",
    "sample/campaign/Okinawa45/territory.tavrek",
    "data/fobjects.tavrek",
    "sample/campaign/Okinawa45/stationary.tavrek",
    "sample/campaign/Okinawa45/columns.tavrek",
    "sample/campaign/Okinawa45/squadrons.tavrek",
    "data/squadids.tavrek",
    "sample/campaign/Okinawa45/pilot.tavrek",
    "sample/campaign/Okinawa45/paints.tavrek",
    "sample/campaign/Okinawa45/noseart.tavrek",
    "data/crewseats.tavrek",
};

// A working copy of the sample with its settings file, laid out by the project's own script,
// and a stand-in for the executable so the program folder is taken as it is.
class SampleProgramFolder {
 public:
  SampleProgramFolder()
      : folder_(fs::temp_directory_path() / ("tavrek_start_bench_" + std::to_string(::getpid()))) {
    const std::string command = "bash '" + (kSourceFolder / "scripts/prepare-sample.sh").string() +
                                "' '" + folder_.string() + "' >/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot prepare the sample");
    std::ofstream(folder_ / "tavrek") << "";
  }
  ~SampleProgramFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  SampleProgramFolder(const SampleProgramFolder&) = delete;
  SampleProgramFolder& operator=(const SampleProgramFolder&) = delete;

  std::string Program() const { return (folder_ / "tavrek").string(); }
  fs::path File(const char* relative) const { return folder_ / relative; }

 private:
  fs::path folder_;
};

SampleProgramFolder& Sample() {
  static SampleProgramFolder sample;
  return sample;
}

PlatformServices& Platform() {
  static std::unique_ptr<PlatformServices> platform =
      PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>());
  return *platform;
}

void BM_StartUpOnSample(benchmark::State& state) {
  const std::string program = Sample().Program();
  for (auto _ : state) {
    auto form = std::make_unique<TMainForm>(Platform(), std::vector<std::string>{program});
    FormCreate(*form);
    benchmark::DoNotOptimize(form->LastSquadron);
    Platform().HotKeyService().UnregisterHotKey(form->HotKeyId);
  }
}

// One open, one sized read and one close per file: the least any start-up has to do.
void BM_ReadStartUpFiles(benchmark::State& state) {
  std::vector<std::string> paths;
  for (const char* relative : kStartUpFiles) {
    paths.push_back(Sample().File(relative).string());
    // A file the sample lacks would make the floor lower than any start could be.
    if (!fs::is_regular_file(paths.back())) {
      state.SkipWithError(("the sample has no " + std::string(relative)).c_str());
      return;
    }
  }
  std::string buffer;
  for (auto _ : state) {
    size_t total = 0;
    for (const std::string& path : paths) {
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      struct stat info {};
      ::fstat(fd, &info);
      buffer.resize(static_cast<size_t>(info.st_size));
      total += static_cast<size_t>(::read(fd, buffer.data(), buffer.size()));
      ::close(fd);
    }
    benchmark::DoNotOptimize(total);
  }
}

BENCHMARK(BM_StartUpOnSample)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReadStartUpFiles)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();

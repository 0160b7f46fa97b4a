#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaign.h"

// The shipped sample in a program folder of its own, for the benchmarks that run the pipeline
// on it. The int stands where the generated campaigns take their size, so the same benchmark
// templates serve both.
class SampleCopy {
 public:
  explicit SampleCopy(int)
      : folder_(std::filesystem::temp_directory_path() /
                ("tavrek_sample_bench_" + std::to_string(::getpid()))) {
    namespace fs = std::filesystem;
    const fs::path source = TAVREK_SOURCE_DIR;
    const auto all = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::create_directories(folder_ / "data");
    fs::copy(source / "data", folder_ / "data", all);
    fs::create_directories(folder_ / "campaign_as_started");
    fs::copy(source / "sample" / "campaign" / "Okinawa45", folder_ / "campaign_as_started", all);
    // The program folder holds the program, as the settings' save checks.
    std::ofstream(folder_ / "tavrek").flush();
    Restore();
    // Every run starts from the campaign as its first start leaves it, with its pilot roster.
    bench::LoadFirstTime(folder_);
    fs::remove_all(folder_ / "campaign_as_started");
    fs::copy(folder_ / "campaign", folder_ / "campaign_as_started", all);
    Restore();
  }
  ~SampleCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  SampleCopy(const SampleCopy&) = delete;
  SampleCopy& operator=(const SampleCopy&) = delete;

  // Puts the campaign back as after its first start, with a game folder without missions.
  void Restore() const {
    namespace fs = std::filesystem;
    const fs::path source = TAVREK_SOURCE_DIR;
    const auto all = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::remove_all(folder_ / "campaign");
    fs::remove_all(folder_ / "game");
    fs::copy(folder_ / "campaign_as_started", folder_ / "campaign", all);
    fs::create_directories(folder_ / "game");
    fs::copy(source / "sample" / "game", folder_ / "game", all);
  }
  const std::filesystem::path& Folder() const { return folder_; }

  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    return bench::NewBenchmarkForm(platform, folder_);
  }

 private:
  std::filesystem::path folder_;
};

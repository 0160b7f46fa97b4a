// One whole cycle of a campaign as the player lives it: Generate Mission after a flown mission
// whose event log holds 10,000 lines. The cycle scores the log, moves the war, plans every
// squadron's flight, builds the mission and installs it in the game. Measured on the shipped
// sample and on a generated campaign at the capacity of the tables (1029 squadrons, 1024 ground
// columns, 50000 locations and static objects). Every iteration starts from the same files: the
// campaign after its first mission, with that mission flown. Every repetition starts from the
// program folder as it was made, and generates and flies that first mission anew.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "benchmarks/generated_campaign.h"
#include "benchmarks/generated_campaigns.h"
#include "benchmarks/sample_copy.h"
#include "campaign_data/messages.h"
#include "campaign_data/option_defaults.h"
#include "mission_generation/pipeline.h"
#include "platform/file_system.h"
#include "platform/text_file.h"
#include "tests/support/event_log_writer.h"
#include "tests/support/file_tree.h"
#include "tests/support/mission_checker.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLogLines = 10000;

// A campaign with every file of its program folder as it was made, to be put back before a
// repetition: one that ran before left its missions, the settings that name the log it scored
// and the roster that log changed.
template <typename Campaign>
class CampaignAsMade {
 public:
  explicit CampaignAsMade(int size) : campaign_(size), as_made_(FilesBelow(Root())) {}

  std::string Root() const { return campaign_.Folder().string() + "/"; }
  void Restore() const { RestoreFilesBelow(Root(), as_made_); }
  std::unique_ptr<TMainForm> NewForm(PlatformServices& platform) const {
    return campaign_.NewForm(platform);
  }

 private:
  Campaign campaign_;
  FileTree as_made_;
};

template <typename Campaign>
GeneratedCampaigns<CampaignAsMade<Campaign>>& Shared() {
  static GeneratedCampaigns<CampaignAsMade<Campaign>> campaigns;
  return campaigns;
}

// The mission's path below the game's Missions folder, with "/", as the game's log names it.
std::string MissionPath(const TMainForm& form) {
  std::string path = form.GameCampaignFolder.substr(form.GameFolder.size());
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.rfind("Missions/", 0) == 0) path.erase(0, 9);
  return path + "tavrekmission.mis";
}

// A random flight of `lines` event lines over the mission's own aircraft, objects and columns;
// the player flies through it and lands.
std::string FlownLog(const std::string& mission, const std::string& mission_path, int lines) {
  EventLogWriter log(mission, mission_path, EventLogWriter::Clock::k24Hour, 8 * 3600);
  log.step = 1;
  std::mt19937 random(static_cast<unsigned>(lines));
  const auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
  const std::string player = log.Aircraft(log.PlayerFlight(), 0);
  std::vector<std::string> aircraft;
  for (const std::string& flight : log.Flights()) {
    for (int n = 0;; ++n) {
      try {
        const std::string name = log.Aircraft(flight, n);
        if (name != player) aircraft.push_back(name);
      } catch (const std::invalid_argument&) {
        break;
      }
    }
  }
  // Only the Axis side's objects are hit, and never its fuel trucks or transport columns: the
  // loss of those ends the sample's battle, and the cycle is to go on.
  std::vector<int> statics;
  for (const std::vector<std::string>& row : ParseMission(mission).Rows("NStationary")) {
    if (row.size() > 2 && row[2] == "2" && row[1].find("fuel") == std::string::npos) {
      statics.push_back(std::stoi(row[0]));
    }
  }
  std::vector<int> columns;
  for (const std::vector<std::string>& row : ParseMission(mission).Rows("Chiefs")) {
    if (row.size() > 2 && row[2] == "2" && row[1].find("Armor") != std::string::npos) {
      columns.push_back(std::stoi(row[0]));
    }
  }
  const auto any = [&] { return aircraft[pick(aircraft.size())]; };
  const auto killer = [&] { return pick(10) == 0 ? player : any(); };
  log.Seat(player, "Player");
  for (int line = 2; line < lines; ++line) {
    switch (pick(8)) {
      case 0:
        log.ShotDown(any(), killer());
        break;
      case 1:
        log.Crashed(any());
        break;
      case 2:
        log.Damaged(any(), killer());
        break;
      case 3:
        log.Captured(any(), static_cast<int>(pick(2)));
        break;
      case 4:
        if (!statics.empty()) {
          log.StaticDestroyed(statics[pick(statics.size())], killer());
          break;
        }
        [[fallthrough]];
      case 5:
        if (!columns.empty()) {
          log.VehicleDestroyed(columns[pick(columns.size())], static_cast<int>(pick(4)), killer());
          break;
        }
        [[fallthrough]];
      default:
        log.Line(any() + " in flight at 1000.00 2000.00");
        break;
    }
  }
  log.Landed(player);
  return log.Text();
}

template <typename Campaign>
void WholeCycle(benchmark::State& state, int size) {
  const CampaignAsMade<Campaign>& campaign = Shared<Campaign>().OfSize(size);
  campaign.Restore();
  auto form = Shared<Campaign>().ProgramForm(campaign);
  form->TimeSettingsBox.Text = "Normal";
  const std::string root = campaign.Root();
  // An installed program folder holds the program, which saving the settings asks for.
  if (!FileExists(root + "tavrek")) WriteTextFile(root + "tavrek", "");
  // The game's settings name its event log.
  if (!FileExists(form->GameFolder + "conf.ini")) {
    WriteTextFile(form->GameFolder + "conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
  }
  // The first mission, generated once, then flown.
  MissionButtonClick(*form);
  const std::string mission = ReadFileBytes(form->GameCampaignFolder + "tavrekmission.mis");
  WriteTextFile(form->GameFolder + "eventlog.lst",
                FlownLog(mission, MissionPath(*form), kLogLines));
  const FileTree flown = FilesBelow(root);
  const std::string scored_before = form->LogFileDate;

  for (auto _ : state) {
    state.PauseTiming();
    RestoreFilesBelow(root, flown);
    form->LogFileDate = scored_before;
    state.ResumeTiming();
    MissionButtonClick(*form);
    if (form->ErrorText.find("Log Parsed.") == std::string::npos) {
      const size_t at = form->ErrorText.find("Master Log routine begins.");
      const std::string why =
          at == std::string::npos ? std::string() : form->ErrorText.substr(at, 600);
      state.SkipWithError(("the flown mission was not scored: " + why).c_str());
      break;
    }
  }
  state.counters["squadrons"] = form->LastSquadron + 1;
  state.counters["objects"] = form->LastStationary + 1;
  state.counters["columns"] = form->LastColumn + 1;
}

void BM_WholeCycleOnTheSample(benchmark::State& state) {
  WholeCycle<SampleCopy>(state, 0);
}
void BM_WholeCycleAtCapacity(benchmark::State& state) {
  WholeCycle<bench::GeneratedCampaign>(state, 50000);
}

BENCHMARK(BM_WholeCycleOnTheSample)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_WholeCycleAtCapacity)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();

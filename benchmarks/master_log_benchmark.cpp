// The results pass (MasterLog) on generated event logs of 1,000, 10,000 and 100,000 lines
// against a campaign at capacity: 1029 squadrons with full rosters, 50001 locations and static
// objects and 1025 columns. The log is written by the tests' event-log writer from a mission of
// the campaign and a random script of losses, victories, bail-outs, damage, casualties and
// ground, column and bridge kills; each iteration scores it from the same starting campaign.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "app/main_form.h"
#include "campaign_data/column_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "mission_results/event_log.h"
#include "platform/dialogs.h"
#include "platform/platform_services.h"
#include "tests/support/event_log_writer.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSquadrons = kSquadronCapacity;
constexpr int kPlaces = kLocationCapacity;
constexpr int kObjects = kStationaryCapacity;
constexpr int kColumns = kColumnCapacity;
constexpr int kMapMetres = 400000;
const char* const kMissionPath = "Campaign/US/Tavrek/tavrekmission.mis";

std::string Coordinate(int metres) {
  return std::to_string(metres) + ".00";
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string SquadronName(int s) {
  return "SQ" + std::to_string(s) + "x";
}

// The campaign's tables as they start every pass, and the folders its files live in.
class CapacityCampaign {
 public:
  CapacityCampaign()
      : folder_(fs::temp_directory_path() / ("tavrek_masterlog_" + std::to_string(::getpid()))),
        platform_(PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>())),
        form_(std::make_unique<TMainForm>(*platform_, std::vector<std::string>{"tavrek"})) {
    TMainForm& f = *form_;
    f.ProgramFolder = folder_.string() + "/";
    f.CampaignFolder = (folder_ / "campaign").string() + "/";
    f.GameFolder = (folder_ / "game").string() + "/";
    f.GameCampaignFolder = f.GameFolder + "Missions\\Campaign\\US\\Tavrek\\";
    fs::create_directories(folder_ / "game" / "Missions" / "Campaign" / "US" / "Tavrek");
    WriteFile(folder_ / "tavrek", "");
    WriteFile(folder_ / "game" / "conf.ini", "[game]\r\neventlog=eventlog.lst\r\n");
    WriteFile(folder_ / "campaign" / "stationary.tavrek", "");
    WriteFile(folder_ / "campaign" / "columns.tavrek", "");
    f.CampaignDateText = "06/04/1945";
    f.MapName = "Bench";
    f.Language = "English";
    f.PlayerName = "Pilot 0-0";
    f.AutoGeneration.Checked = true;
    for (int line = 0; line < kMessageLinesPerSection; ++line) {
      for (auto& section : f.Messages.Message) section[line] = "text <PLANE> <TYPE> <VICTORY>";
    }

    std::mt19937 random(1945);
    std::uniform_int_distribution<int> spread(0, kMapMetres);
    for (int l = 0; l < kPlaces; ++l) {
      LocationEntry& place = f.LocationTable[l];
      place.LocationName = "Place_" + std::to_string(l);
      place.LocationPosition = Coordinate(spread(random)) + " " + Coordinate(spread(random));
      place.LocationOffMap = "N";
      place.TerritoryStrength = {0, 50, 50};
    }
    f.LastLocation = kPlaces - 1;

    std::string mission = "[MAIN]\r\n  MAP Bench/load.ini\r\n[Wing]\r\n";
    std::string flights;
    for (int s = 0; s < kSquadrons; ++s) {
      SquadronEntry& unit = f.SquadronTable[s];
      unit.SquadronName = SquadronName(s);
      unit.SquadronArmy = std::to_string(1 + s % 2);
      unit.SquadronRole = "1";
      unit.SquadronClass = unit.SquadronBaseClass = "Class air.Type" + std::to_string(s % 40);
      unit.TypeGameName = "Type" + std::to_string(s % 40);
      unit.TypeDescription = "Type " + std::to_string(s % 40);
      unit.SquadronHomeBase = "Place_" + std::to_string(s * 41 % kPlaces);
      unit.PlanesFlight = unit.PlanesAvailable = "16";
      unit.PlanesMax = "16";
      unit.PlanesLost = "4";
      unit.PlanesExtra = 4;
      unit.TypeDowngrade = "none";
      for (int slot = 0; slot < 17; ++slot) {
        PilotEntry& pilot = f.PilotRoster[RosterIndex(s, slot)];
        pilot.RosterName = "Pilot " + std::to_string(s) + "-" + std::to_string(slot);
        pilot.RosterRank = "1";
        pilot.RosterMedalCount = "0";
        pilot.RosterKills = pilot.RosterGroundKills = "003";
        pilot.RosterSorties = "020";
        pilot.RosterMarker = " ";
      }
      for (int flight = 0; flight < 4; ++flight) {
        const std::string name = unit.SquadronName + std::to_string(flight);
        mission += "  " + name + "\r\n";
        flights += "[" + name + "]\r\n  Planes 4\r\n[" + name + "_Way]\r\n  TAKEOFF " +
                   f.LocationTable[s * 41 % kPlaces].LocationPosition + " 0 0\r\n";
      }
    }
    f.LastSquadron = kSquadrons - 1;
    mission += flights + "[Chiefs]\r\n";
    for (int c = 0; c < kColumns; ++c) {
      ColumnEntry& column = f.ColumnTable[c];
      const std::string kind = c % 4 == 0   ? "Vehicles.BenchCarsColumnA"
                               : c % 4 == 1 ? "Armor.3-Bench_Tank"
                               : c % 4 == 2 ? "Trains.Bench_Train"
                                            : "Ships.BenchDD";
      column.ColumnName = std::to_string(c) + "_Chief";
      column.ColumnType = column.ColumnName + " " + kind + " " + std::to_string(1 + c % 2);
      column.ColumnArmy = std::to_string(1 + c % 2);
      column.ColumnPlace = column.ColumnDestination = "Place_" + std::to_string(c * 37 % kPlaces);
      column.ColumnUnitName = "Unit_" + std::to_string(c);
      column.ColumnMarks = "A";
      mission += "  " + column.ColumnName + " " + kind + " " + column.ColumnArmy + "\r\n";
    }
    f.LastColumn = kColumns - 1;
    f.ArmorTable[0].ArmorName = "3-Bench_Tank";
    f.LastArmor = 0;
    mission += "[NStationary]\r\n";
    for (int i = 0; i < kObjects; ++i) {
      StationaryEntry& object = f.StationaryObjectTable[i];
      const int army = 1 + i % 2;
      const std::string kind = i % 5 == 0 ? "vehicles.planes.Plane$Type" + std::to_string(i % 40)
                                          : "vehicles.artillery.Artillery$Flak37";
      object.StationaryLine = "  " + std::to_string(i) + "_Static " + kind + " " +
                              std::to_string(army) + " " + Coordinate(spread(random)) + " " +
                              Coordinate(spread(random)) + " 360.00 0.0";
      object.StationaryArmy = std::to_string(army);
      object.StationaryNearestLocation = i * 7 % kPlaces;
      mission += object.StationaryLine + "\r\n";
    }
    f.LastStationary = f.InitialStationary = kObjects - 1;
    mission_ = mission;

    squadrons_ = f.SquadronTable;
    roster_ = f.PilotRoster;
    objects_ = f.StationaryObjectTable;
    columns_ = f.ColumnTable;
    places_ = f.LocationTable;
    SaveSquadrons(f, 0);
    SaveStationary(f);
    WriteColumnList(f);
  }
  ~CapacityCampaign() {
    form_.reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  // A random script of `lines` event lines over the mission's aircraft and objects.
  std::string Log(int lines) const {
    EventLogWriter log(mission_, kMissionPath, EventLogWriter::Clock::k24Hour, 8 * 3600);
    log.step = 1;
    std::mt19937 random(static_cast<unsigned>(lines));
    const auto pick = [&](int count) { return static_cast<int>(random() % count); };
    // The player flies the first aircraft of the first squadron and is never lost: a mission
    // in which he is lost would be struck from the records.
    const std::string player = log.Aircraft(SquadronName(0) + "0", 0);
    const auto aircraft = [&] {
      const int s = 1 + pick(kSquadrons - 1);
      return log.Aircraft(SquadronName(s) + std::to_string(pick(4)), pick(4));
    };
    const auto killer = [&] { return pick(20) == 0 ? player : aircraft(); };
    log.Seat(player, "Player");
    for (int line = 1; line < lines; ++line) {
      switch (pick(10)) {
        case 0:
          log.ShotDown(aircraft(), killer());
          break;
        case 1:
          log.Crashed(aircraft());
          break;
        case 2:
          log.Damaged(aircraft(), killer(), Coordinate(pick(kMapMetres)) + " 1000.00");
          break;
        case 3:
          log.Killed(aircraft());
          break;
        case 4:
          log.Captured(aircraft(), pick(3));
          break;
        case 5:
          log.StaticDestroyed(pick(kObjects), killer());
          break;
        case 6:
          log.VehicleDestroyed(pick(kColumns), pick(12), killer());
          break;
        case 7:
          log.BridgeDestroyed(pick(400), Coordinate(pick(kMapMetres)) + " 5000.00", killer());
          break;
        case 8:
          log.Landed(aircraft());
          break;
        default:
          log.Line(aircraft() + " in flight at 1000.00 2000.00");
          break;
      }
    }
    return log.Text();
  }

  void WriteEventLog(const std::string& text) const {
    WriteFile(folder_ / "game" / "eventlog.lst", text);
  }

  // The campaign as it stands before a pass.
  TMainForm& Fresh() {
    TMainForm& f = *form_;
    f.SquadronTable = squadrons_;
    f.PilotRoster = roster_;
    f.StationaryObjectTable = objects_;
    f.ColumnTable = columns_;
    f.LocationTable = places_;
    f.LogFileDate = "None";
    f.ErrorText.clear();
    std::error_code ignored;
    fs::remove(folder_ / "campaign" / "events.dat", ignored);
    return f;
  }

 private:
  fs::path folder_;
  std::unique_ptr<PlatformServices> platform_;
  std::unique_ptr<TMainForm> form_;
  std::string mission_;
  SquadronTableType squadrons_;
  PilotRosterType roster_;
  StationaryObjectTableType objects_;
  ColumnTableType columns_;
  LocationTableType places_;
};

CapacityCampaign& Campaign() {
  static CapacityCampaign campaign;
  return campaign;
}

void BM_MasterLog(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  CapacityCampaign& campaign = Campaign();
  campaign.WriteEventLog(campaign.Log(lines));
  MasterLog(campaign.Fresh());  // warm: the files and the tables' memory exist from here on
  for (auto _ : state) {
    state.PauseTiming();
    TMainForm& form = campaign.Fresh();
    state.ResumeTiming();
    MasterLog(form);
    if (form.ErrorText.find("Log Parsed.") == std::string::npos) {
      state.SkipWithError("the mission was not scored");
      break;
    }
  }
  state.SetComplexityN(lines);
}

}  // namespace

BENCHMARK(BM_MasterLog)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();

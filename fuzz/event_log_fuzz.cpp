// Feeds arbitrary event logs to the results pass's reader and line handlers on a small campaign
// held in memory: the block reader, the stamps and the prepared lines, then every line through
// the dispatch table of the three reading passes. Whatever arrives, nothing may crash, hang,
// reach outside a table or leave a roster name holding a character the roster files use as a
// mark; a table index outside its table surfaces as ProgramError and is a finding.
//
// The first input byte chooses the reader mode and the options (co-op, dogfight, "Stats Reset
// on Death", career generator replaced); the rest is the log.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "mission_results/event_dispatch.h"
#include "mission_results/event_log_block.h"
#include "mission_results/event_log_names.h"
#include "mission_results/roster_lookup.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/platform_services.h"
#include "platform/text_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int kSquadrons = 3;
const char* const kNames[kSquadrons] = {"r010", "g010", "tr02"};
const char* const kModes[] = {"Standard", "Dogfight", "AcesDogfight", "Standard"};

// The run log is rewritten after every line it gets: in memory-backed storage where there is.
std::filesystem::path RunFolder() {
  const std::filesystem::path memory = "/dev/shm";
  const std::filesystem::path base =
      std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
  return base / "tavrek_event_log_fuzz";
}

// One window for every input; the campaign's tables are put back before each one.
class Campaign {
 public:
  Campaign()
      : folder_(RunFolder()),
        platform_(PlatformServices::ForThisMachine(std::make_unique<HeadlessDialogs>())),
        form_(std::make_unique<TMainForm>(*platform_, std::vector<std::string>{"tavrek"})) {
    std::filesystem::create_directories(folder_);
    TMainForm& f = *form_;
    f.ProgramFolder = folder_.string() + "/";
    f.CampaignFolder = f.ProgramFolder;
    f.GameID = "1946";
    f.CampaignDateText = "06/04/1945";
    f.MapName = "Fuzzland";
    f.PlayerName = "Player Pilot";
    for (auto& section : f.Messages.Message) {
      for (std::string& line : section) line = "text <PLANE> <TYPE> <VICTORY> <SQUAD> <ACE>";
    }
  }

  TMainForm& Fresh(std::uint8_t options) {
    TMainForm& f = *form_;
    f.Coop.Checked = options & 4;
    f.Dogfight.Checked = options & 8;
    f.Death.Checked = options & 16;
    f.DGENBoot.Checked = f.AutoGeneration.Checked = options & 32;
    f.TrackPlayerRanks.Checked = options & 64;
    f.Debrief.Caption.clear();
    f.Events.Caption.clear();
    f.NewsText.clear();
    f.LossText.clear();
    f.PlayerLogText.clear();
    f.ErrorText.clear();
    f.ResultsPass = ResultsPassState{};
    f.PlayerAircraftId = "r01000";
    f.LastGunner = 0;
    for (int l = 0; l < 3; ++l) {
      LocationEntry& place = f.LocationTable[l];
      place = LocationEntry{};
      place.LocationName = "Place_" + std::to_string(l);
      place.LocationPosition = std::to_string(l * 10000) + ".00 5000.00";
      place.TerritoryStrength = {0, 20, 20};
    }
    f.LastLocation = 2;
    for (int s = 0; s < kSquadrons; ++s) {
      SquadronEntry& unit = f.SquadronTable[s];
      unit = SquadronEntry{};
      unit.SquadronName = kNames[s];
      unit.SquadronArmy = s == 1 ? "2" : "1";
      unit.SquadronRole = s == 2 ? "3" : "1";
      unit.SquadronClass = "Class air.Type" + std::to_string(s);
      unit.TypeGameName = "Type" + std::to_string(s);
      unit.TypeDescription = "Type " + std::to_string(s);
      unit.SquadronHomeBase = "Place_" + std::to_string(s);
      unit.PlanesFlight = unit.PlanesAvailable = "2";
      for (int slot = 0; slot < kRosterSlotsPerSquadron; ++slot) {
        PilotEntry& pilot = f.PilotRoster[RosterIndex(s, slot)];
        pilot = PilotEntry{};
        pilot.RosterName = "Pilot " + std::to_string(s) + "-" + std::to_string(slot);
        pilot.RosterRank = "1";
        pilot.RosterKills = pilot.RosterGroundKills = pilot.RosterSorties = "998";
        pilot.RosterMarker = slot == 0 ? "^" : " ";
        pilot.RosterSeat = "0";
      }
    }
    f.PilotRoster[RosterIndex(0, 0)].RosterName = f.PlayerName;
    f.LastSquadron = kSquadrons - 1;
    const char* objects[] = {"  0_Static vehicles.planes.Plane$Type1 2 1.00 2.00 0 0",
                             "  1_Static ships.Ship$CV_Test 1 1.00 2.00 0 0",
                             "X 2_Static vehicles.artillery.Artillery$Gun 2 1.00 2.00 0 0"};
    for (int i = 0; i < 3; ++i) {
      StationaryEntry& object = f.StationaryObjectTable[i];
      object = StationaryEntry{};
      object.StationaryLine = objects[i];
      object.StationaryArmy = i == 1 ? "1" : "2";
      object.StationaryNearestLocation = i;
    }
    f.LastStationary = f.InitialStationary = 2;
    const char* columns[] = {"0_Chief Vehicles.CarsColumnA 2", "1_Chief Armor.2-Tank 1",
                             "2_Chief Trains.Train 2", "3_Chief Ships.ShipDD 1"};
    for (int c = 0; c < 4; ++c) {
      ColumnEntry& column = f.ColumnTable[c];
      column = ColumnEntry{};
      column.ColumnType = columns[c];
      column.ColumnName = std::to_string(c) + "_Chief";
      column.ColumnArmy = c % 2 == 0 ? "2" : "1";
      column.ColumnPlace = column.ColumnDestination = "Place_1";
      column.ColumnUnitName = "Unit_" + std::to_string(c);
    }
    f.LastColumn = 3;
    f.ArmorTable[0].ArmorName = "2-Tank";
    f.LastArmor = 0;
    for (int k = 0; k < kCrewPositions; ++k) {
      f.CrewPositionTable.CrewPositionName[static_cast<size_t>(k)] = "Seat" + std::to_string(k);
      f.CrewPositionTable.CrewSeatLabel[static_cast<size_t>(k)] =
          k < 4 ? "Seat" + std::to_string(k) : "";
    }
    return f;
  }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<PlatformServices> platform_;
  std::unique_ptr<TMainForm> form_;
};

void CheckRoster(const TMainForm& form) {
  Check(form.LastGunner >= 0 && form.LastGunner < kGunnerCapacity);
  for (int s = 0; s <= form.LastSquadron; ++s) {
    for (int slot = 0; slot < 16; ++slot) {
      const PilotEntry& pilot = form.PilotRoster[RosterIndex(s, slot)];
      Check(pilot.RosterName.find_first_of("[]@#*&\r\n") == std::string::npos);
      Check(pilot.RosterKills.size() == 3 && pilot.RosterSorties.size() == 3);
    }
  }
  for (int c = 0; c <= form.LastColumn; ++c) Check(form.ColumnTable[c].ColumnHits >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static Campaign campaign;
  TMainForm& form = campaign.Fresh(data[0]);
  const std::string mode = kModes[data[0] & 3];
  const std::vector<std::string> lines =
      SplitTextLines(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

  const MissionBlock block = FindLastMissionBlock(lines);
  Check(!block.found || block.first_line < lines.size());
  const ReaderModeInputs inputs{"1946", "True", ""};
  for (const std::string& line : lines) {
    const std::optional<int> seconds = StampSeconds(line);
    Check(!seconds || (*seconds >= 0 && *seconds < 24 * 3600));
    SeatPassReaderMode(mode, line, inputs);
    LossPassReaderMode(mode, line, inputs);
    const std::string name = FixPilotName(form, line);
    Check(name.find_first_of("[]@#*&^\\\r\n") == std::string::npos);
  }

  try {
    BuildResultsIndexes(form);
    for (const int pass : {3, 4, 5}) {
      for (const std::string& line : lines)
        DispatchEventLine(form, pass, PrepareEventLine(line), mode);
    }
    ClearResultsIndexes(form);
  } catch (const ProgramError&) {
    std::abort();  // a table index out of range, or a file the handlers should not touch
  }
  CheckRoster(form);
  return 0;
}

#include "mission_results/dogfight_results.h"

#include <cstdint>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/home_bases.h"
#include "campaign_data/map_routes.h"
#include "campaign_data/reference_tables.h"
#include "campaign_data/run_log.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_completion.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/stationary_file.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_logistics.h"
#include "campaign_progression/territory.h"
#include "mission_results/debriefing.h"
#include "mission_results/event_text.h"
#include "mission_results/pilot_roster.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace {

// The figures of a side, in the tool's order.
enum Figure { kPlanes = 0, kPilots, kWagons, kAaa, kTanks, kArtillery, kCars, kShips };
constexpr int kAllied = 1;
constexpr int kAxis = 2;

const char* const kMissionLog = "missions\\net\\dogfight\\tavrek\\fbd_mission_log.txt";
// Where the campaign remembers the mission log it scored last.
const char* const kScoredLogFile = "fbdlog.tavrek";

constexpr std::string_view kAaaGuns[] = {
    "vehicles.artillery.Artillery$Zenit", "vehicles.artillery.Artillery$Flak",
    "vehicles.artillery.Artillery$StBofors", "vehicles.artillery.Artillery$Type"};
constexpr std::string_view kStationaryAaa[] = {
    "vehicles.stationary.Artillery$Zenit", "vehicles.stationary.Artillery$Flak",
    "vehicles.stationary.Artillery$StBofors", "vehicles.stationary.Artillery$Type"};

template <size_t N>
bool HoldsAny(const std::string& line, const std::string_view (&texts)[N]) {
  for (const std::string_view text : texts) {
    if (Contains(line, text)) return true;
  }
  return false;
}

// What a static object is, for counting and drawing.
struct ObjectKinds {
  bool armour = false;
  bool tank = false;
  bool aaa_gun = false;
  bool stationary_aaa = false;
  bool artillery = false;
  bool wagon = false;
  bool car = false;
  bool ship = false;
  bool plane = false;
};

ObjectKinds KindsOf(const std::string& line, const std::vector<std::string>& armour_names) {
  ObjectKinds kinds;
  for (const std::string& armour : armour_names) {
    if (!armour.empty() && Contains(line, armour)) {
      kinds.armour = true;
      break;
    }
  }
  const bool artillery_class = Contains(line, "vehicles.artillery");
  kinds.tank = artillery_class && kinds.armour;
  kinds.aaa_gun = HoldsAny(line, kAaaGuns) && !kinds.armour;
  kinds.stationary_aaa = HoldsAny(line, kStationaryAaa) && !kinds.armour;
  kinds.artillery = artillery_class && !HoldsAny(line, kAaaGuns) && !kinds.armour;
  kinds.wagon = Contains(line, "vehicles.stationary.Stationary$Wagon");
  kinds.car = Contains(line, "vehicles.stationary") &&
              !Contains(line, "vehicles.stationary.Stationary$Wagon") &&
              !HoldsAny(line, kStationaryAaa) && !kinds.armour;
  kinds.ship = Contains(line, "ships.Ship");
  kinds.plane = Contains(line, "vehicles.planes");
  return kinds;
}

// Objects of each side and category; every count starts at 1 so that no share divides by 0.
using ObjectCounts = std::array<std::array<int, 8>, 3>;

std::vector<std::string> ArmourNames(const TMainForm& form) {
  std::vector<std::string> names;
  for (int a = 0; a <= form.LastArmor; ++a) {
    names.push_back(Copy(form.ArmorTable[a].ArmorName, 3, 99));
  }
  return names;
}

int SideOf(const std::string& army) {
  if (army == "1") return kAllied;
  if (army == "2") return kAxis;
  return 0;
}

ObjectCounts CountObjects(const TMainForm& form, const std::vector<std::string>& armour_names) {
  ObjectCounts counts;
  for (auto& side : counts) side.fill(1);
  for (int c = 0; c <= form.LastColumn; ++c) {
    const ColumnEntry& column = form.ColumnTable[c];
    const int side = SideOf(column.ColumnArmy);
    if (side == 0) continue;
    if (Contains(column.ColumnType, "Armor")) counts[side][kTanks] += 4;
    if (Contains(column.ColumnType, "CarsColumn")) counts[side][kCars] += 6;
    if (Contains(column.ColumnType, "Ship")) counts[side][kShips] += 4;
  }
  for (int i = 0; i <= form.InitialStationary; ++i) {
    const StationaryEntry& object = form.StationaryObjectTable[i];
    const int side = SideOf(object.StationaryArmy);
    if (side == 0 || Contains(object.StationaryLine, "X ")) continue;
    const ObjectKinds kinds = KindsOf(object.StationaryLine, armour_names);
    auto& count = counts[side];
    if (kinds.tank) ++count[kTanks];
    if (kinds.aaa_gun) ++count[kAaa];
    if (kinds.artillery) ++count[kArtillery];
    if (kinds.wagon) ++count[kWagons];
    if (kinds.car) ++count[kCars];
    if (kinds.ship) ++count[kShips];
    if (kinds.plane) ++count[kPlanes];
  }
  return counts;
}

class Draws {
 public:
  Draws(TMainForm& form, const ObjectCounts& counts) : form_(form), counts_(counts) {}
  // One draw against the side's losses of the category.
  bool Condemns(int side, Figure figure) {
    const double percent = 100.0 * form_.DogfightCounters[static_cast<size_t>(side)][figure] /
                           counts_[static_cast<size_t>(side)][figure];
    return DestroyedByDraw(percent, form_.Random(100));
  }

 private:
  TMainForm& form_;
  const ObjectCounts& counts_;
};

void DestroyColumns(TMainForm& form, Draws& draws) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    ColumnEntry& column = form.ColumnTable[c];
    const std::string& type = column.ColumnType;
    bool condemned = false;
    if (column.ColumnArmy == "1") {
      if (Contains(type, "Armor") && draws.Condemns(kAllied, kTanks)) condemned = true;
      if (Contains(type, "Ship") && draws.Condemns(kAllied, kShips)) condemned = true;
      if (Contains(type, "CarsColumn") && form.Random(100) > 6 && draws.Condemns(kAllied, kCars)) {
        condemned = true;
      }
    } else if (column.ColumnArmy == "2") {
      if (Contains(type, "Armor") && draws.Condemns(kAxis, kTanks)) condemned = true;
      if (Contains(type, "Ship") && draws.Condemns(kAxis, kShips)) condemned = true;
      if (Contains(type, "CarsColumn") && draws.Condemns(kAxis, kCars)) condemned = true;
    }
    if (condemned || Contains(type, "Train")) column.ColumnPlace = "Blank";
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    form.ColumnTable[c].ColumnDestination = form.ColumnTable[c].ColumnPlace;
  }
}

void DestroyStaticObjects(TMainForm& form, Draws& draws,
                          const std::vector<std::string>& armour_names) {
  for (int i = 0; i <= form.InitialStationary; ++i) {
    StationaryEntry& object = form.StationaryObjectTable[i];
    const ObjectKinds kinds = KindsOf(object.StationaryLine, armour_names);
    bool condemned = false;
    const auto draw = [&](bool candidate, int side, Figure figure) {
      if (candidate && draws.Condemns(side, figure)) condemned = true;
    };
    if (object.StationaryArmy == "1") {
      draw(kinds.tank, kAllied, kTanks);
      draw(kinds.artillery, kAllied, kArtillery);
      draw(kinds.aaa_gun, kAllied, kAaa);
      draw(kinds.stationary_aaa, kAllied, kAaa);
      draw(kinds.wagon, kAllied, kWagons);
      draw(kinds.car, kAllied, kCars);
      draw(kinds.ship, kAllied, kShips);
      draw(kinds.plane, kAllied, kPlanes);
    } else if (object.StationaryArmy == "2") {
      draw(kinds.armour, kAxis, kTanks);
      draw(kinds.aaa_gun, kAxis, kAaa);
      draw(kinds.stationary_aaa, kAxis, kAaa);
      draw(kinds.artillery, kAxis, kArtillery);
      draw(kinds.wagon, kAxis, kWagons);
      draw(kinds.car, kAxis, kCars);
      draw(kinds.ship, kAxis, kShips);
      draw(kinds.plane, kAxis, kPlanes);
    }
    if (condemned && !StartsWith(object.StationaryLine, "X ")) {
      object.StationaryLine = "X " + Trim(Copy(object.StationaryLine, 3, 256));
    }
  }
}

void ReloadCampaign(TMainForm& form) {
  LoadCampaignForScoring(form);
  LoadPilots(form);
  SavePilot(form, 0);
}

struct AircraftLoss {
  std::string aircraft;
  int count = 0;
  bool red = false;
  bool blue = false;
};

// The "PlaneLoss" lines, read before anything changes; throws ConversionError for a count that
// is no number.
std::vector<AircraftLoss> ReadAircraftLosses(const std::vector<std::string>& lines) {
  std::vector<AircraftLoss> losses;
  for (const std::string& line : lines) {
    if (!Contains(line, "PlaneLoss")) continue;
    losses.push_back({Trim(Copy(TextAfter(line, ":"), 1, 99)),
                      StrToInt(Trim(TextBefore(TextAfter(line, "="), ":"))), Contains(line, "Red"),
                      Contains(line, "Blue")});
  }
  return losses;
}

// The losses come off the squadrons of that aircraft and side, highest index first, each down
// to nothing before the next.
void TakeAircraftLosses(TMainForm& form, const std::vector<AircraftLoss>& losses_read) {
  for (const AircraftLoss& loss : losses_read) {
    const std::string& aircraft = loss.aircraft;
    int losses = loss.count;
    const bool blue = loss.blue;
    const bool red = loss.red;
    for (int s = form.LastSquadron; s >= 0 && losses > 0; --s) {
      SquadronEntry& squadron = form.SquadronTable[s];
      if (squadron.TypeGameName != aircraft) continue;
      if (!(blue && squadron.SquadronArmy == "2") && !(red && squadron.SquadronArmy == "1")) {
        continue;
      }
      int planes = StrToIntDef(Trim(squadron.PlanesFlight), 0);
      while (planes > 0 && losses > 0) {
        --planes;
        --losses;
      }
      squadron.PlanesFlight = IntToStr(planes);
      squadron.PlanesAvailable = squadron.PlanesFlight;
    }
  }
}

// A fingerprint of the mission log's bytes, so that one log is scored once.
std::string Fingerprint(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return IntToStr(static_cast<long long>(bytes.size())) + " " +
         IntToStr(static_cast<long long>(hash >> 1));
}

}  // namespace

bool DestroyedByDraw(double loss_percent, int draw) {
  return draw < loss_percent;
}

std::array<int, 8> ReadLossFigures(const std::string& figures) {
  std::array<int, 8> read{};
  std::string rest = Trim(figures);
  for (size_t i = 0; i < 7; ++i) {
    if (!Contains(rest, ":")) throw ConversionError("'" + figures + "' holds fewer than 8 figures");
    read[i] = StrToInt(Trim(TextBefore(rest, ":")));
    rest = Trim(TextAfter(rest, ":"));
  }
  read[7] = StrToInt(rest);
  return read;
}

void DogfightLog(TMainForm& form) {
  ReadIni(form);
  ErrorLog(form, "Log processed for pre-IL2AEP games.");
  const std::string path = form.GameFolder + kMissionLog;
  std::vector<std::string> lines;
  std::vector<AircraftLoss> aircraft_losses;
  bool scoring = FileExists(path);
  std::string fingerprint;
  if (scoring) {
    const std::string bytes = ReadFileBytes(path);
    fingerprint = Fingerprint(bytes);
    const std::string scored = form.CampaignFolder + kScoredLogFile;
    if (FileExists(scored) && Trim(ReadFileBytes(scored)) == fingerprint) {
      ErrorLog(form, "The dogfight mission log is scored already.");
      scoring = false;
    } else {
      lines = SplitTextLines(bytes);
    }
  }
  if (scoring) {
    // Figures a log leaves out are no losses: the last log's figures are never used again.
    form.DogfightCounters = {};
    for (const std::string& line : lines) {
      if (Contains(line, "RedLost=")) {
        form.DogfightCounters[kAllied] = ReadLossFigures(TextAfter(line, "RedLost="));
      }
      if (Contains(line, "BlueLost=")) {
        form.DogfightCounters[kAxis] = ReadLossFigures(TextAfter(line, "BlueLost="));
      }
    }
    aircraft_losses = ReadAircraftLosses(lines);
    ReloadCampaign(form);
    const std::vector<std::string> armour_names = ArmourNames(form);
    const ObjectCounts counts = CountObjects(form, armour_names);
    Draws draws(form, counts);
    DestroyColumns(form, draws);
    if (form.InitialStationary < 0) {
      ErrorLog(form, "No Stationary Objects are present.");
      throw ProgramError("No Stationary Objects are present.");
    }
    DestroyStaticObjects(form, draws, armour_names);
  }
  // Without a new log the tables may not be loaded: nothing is written from empty tables.
  if (scoring || form.LastColumn >= 0) UpdateColumnList(form);
  if (form.InitialStationary >= 0) SaveStationary(form);
  if (!scoring) return;
  TargetLocations(form);
  SquadronList(form, "ON");
  SquadronBase(form);
  SaveSquadrons(form, 0);
  LoadSquadrons(form);
  TakeAircraftLosses(form, aircraft_losses);
  SaveSquadrons(form, 0);
  WriteTextFile(form.CampaignFolder + kScoredLogFile, fingerprint + "\r\n");
}

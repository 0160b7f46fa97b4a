#include "tests/support/campaign_invariants.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/main_form.h"
#include "campaign_data/campaign_file.h"
#include "campaign_data/column_file.h"
#include "campaign_data/messages.h"
#include "campaign_data/settings_file.h"
#include "campaign_data/squadron_file.h"
#include "campaign_data/startup.h"
#include "campaign_data/stationary_file.h"
#include "campaign_progression/territory.h"
#include "mission_results/pilot_roster.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  std::string word;
  while (stream >> word) words.push_back(word);
  return words;
}

bool IsSection(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool IsCount(const std::string& word) {
  if (word.size() != 3) return false;
  for (const char c : word) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A roster line: an optional marker in the first two columns, then kills, ground kills and
// sorties, then the name up to the portrait ("@").
struct RosterLine {
  bool valid = false;
  int kills = 0;
  int ground_kills = 0;
  int sorties = 0;
  std::string name;
};

RosterLine ReadRosterLine(const std::string& line) {
  RosterLine pilot;
  if (line.size() < 14) return pilot;
  const std::vector<std::string> counts = Words(line.substr(2, 11));
  if (counts.size() != 3 || !IsCount(counts[0]) || !IsCount(counts[1]) || !IsCount(counts[2])) {
    return pilot;
  }
  pilot.kills = std::stoi(counts[0]);
  pilot.ground_kills = std::stoi(counts[1]);
  pilot.sorties = std::stoi(counts[2]);
  const std::string rest = line.substr(14);
  pilot.name = rest.substr(0, rest.find(" @"));
  pilot.valid = true;
  return pilot;
}

// The roster's pilots by name (names are unique in a sound roster).
std::map<std::string, RosterLine> RosterByName(const std::string& pilot_text) {
  std::map<std::string, RosterLine> pilots;
  for (const std::string& line : Lines(pilot_text)) {
    if (line.empty() || IsSection(line)) continue;
    const RosterLine pilot = ReadRosterLine(line);
    if (pilot.valid) pilots[pilot.name] = pilot;
  }
  return pilots;
}

int SideOf(const std::string& word) {
  if (word == "Allied") return 1;
  if (word == "Axis") return 2;
  return 0;
}

}  // namespace

std::vector<std::string> SquadronStrengthProblems(const std::string& squadrons_text) {
  std::vector<std::string> problems;
  std::string squadron;
  for (const std::string& line : Lines(squadrons_text)) {
    if (IsSection(line)) {
      squadron = line;
      continue;
    }
    const std::vector<std::string> words = Words(line);
    if (words.size() < 2 || words[0] != "Planes") continue;
    const size_t slash = words[1].find('/');
    try {
      const int planes = std::stoi(words[1].substr(0, slash));
      const int most = std::stoi(words[1].substr(slash + 1));
      if (slash == std::string::npos || planes < 0 || planes > most) {
        problems.push_back(squadron + " " + line);
      }
    } catch (const std::exception&) {
      problems.push_back(squadron + " unreadable: " + line);
    }
  }
  return problems;
}

std::vector<std::string> RosterProblems(const std::string& pilot_text) {
  std::vector<std::string> problems;
  std::set<std::string> names;
  std::string squadron;
  for (const std::string& line : Lines(pilot_text)) {
    if (line.empty()) continue;
    if (IsSection(line)) {
      squadron = line;
      continue;
    }
    const RosterLine pilot = ReadRosterLine(line);
    if (!pilot.valid) {
      problems.push_back(squadron + " unreadable pilot: " + line);
    } else if (!names.insert(pilot.name).second) {
      problems.push_back(squadron + " pilot listed twice: " + pilot.name);
    }
  }
  return problems;
}

RosterTotals SumRoster(const std::string& pilot_text) {
  RosterTotals totals;
  for (const std::string& line : Lines(pilot_text)) {
    if (line.empty() || IsSection(line)) continue;
    const RosterLine pilot = ReadRosterLine(line);
    if (!pilot.valid) continue;
    ++totals.pilots;
    totals.kills += pilot.kills;
    totals.ground_kills += pilot.ground_kills;
    totals.sorties += pilot.sorties;
  }
  return totals;
}

std::map<std::string, std::string> TerritoryOwners(const std::string& territory_text) {
  std::map<std::string, std::string> owners;
  for (const std::string& line : Lines(territory_text)) {
    const std::vector<std::string> words = Words(line);
    if (words.size() >= 2) owners[words[0]] = words[1];
  }
  return owners;
}

std::map<std::string, std::set<std::string>> ColumnPlaces(const std::string& columns_text) {
  std::map<std::string, std::set<std::string>> places;
  for (const std::string& line : Lines(columns_text)) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 4 || words[3].empty() || words[3][0] != '@') continue;
    places[words[2]].insert(words[3].substr(1));
  }
  return places;
}

std::map<std::string, std::string> TimetableCaptures(const std::string& timetable_text,
                                                     const std::string& battle, int up_to) {
  std::map<std::string, std::string> captures;
  bool in_battle = false;
  for (const std::string& line : Lines(timetable_text)) {
    if (IsSection(line)) {
      in_battle = line == "[" + battle + "]";
      continue;
    }
    const std::vector<std::string> words = Words(line);
    if (!in_battle || words.size() < 4 || words[1] != "TCapture") continue;
    int date = 0;
    try {
      date = std::stoi(words[0]);
    } catch (const std::exception&) {
      continue;
    }
    if (date <= up_to && SideOf(words[2]) != 0) {
      captures[words[3]] = std::to_string(SideOf(words[2]));
    }
  }
  return captures;
}

std::map<std::string, std::string> OwnersTakenFromSurroundings(
    const std::string& locations_text, const std::map<std::string, std::string>& owners) {
  struct Place {
    std::string name;
    double x = 0;
    double y = 0;
  };
  const auto any_of = [](const std::string& name, std::initializer_list<const char*> parts) {
    for (const char* part : parts) {
      if (name.find(part) != std::string::npos) return true;
    }
    return false;
  };
  std::vector<Place> places;
  for (const std::string& line : Lines(locations_text)) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 4) continue;
    try {
      places.push_back({words[0], std::stod(words[2]), std::stod(words[3])});
    } catch (const std::exception&) {
      continue;
    }
  }
  std::map<std::string, std::string> taken;
  for (const Place& taker : places) {
    if (!any_of(taker.name,
                {"Station", "_Rail", "Harbor", "Seaplane_Base", "_Port", "Beachhead"})) {
      continue;
    }
    double best = -1;
    for (const Place& judge : places) {
      if (any_of(judge.name, {"Station", "_Rail", "Ocean", "Sea", "_Port", "Seaplane_Base",
                              "Harbor", "_Bay", "Beachhead"})) {
        continue;
      }
      const auto owner = owners.find(judge.name);
      if (owner == owners.end() || owner->second == "0") continue;
      const double dx = judge.x - taker.x;
      const double dy = judge.y - taker.y;
      if (best < 0 || dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        taken[taker.name] = owner->second;
      }
    }
  }
  return taken;
}

std::vector<std::string> UnexplainedTerritoryChanges(
    const std::map<std::string, std::string>& before,
    const std::map<std::string, std::string>& after,
    const std::vector<std::map<std::string, std::set<std::string>>>& column_places,
    const std::map<std::string, std::string>& timetable, const std::set<std::string>& landings,
    const std::map<std::string, std::string>& surroundings) {
  std::vector<std::string> problems;
  for (const auto& [place, owner] : after) {
    const auto earlier = before.find(place);
    if (earlier == before.end()) {
      problems.push_back(place + " appeared with owner " + owner);
      continue;
    }
    if (earlier->second == owner || landings.count(place) != 0) continue;
    bool column_there = false;
    for (const auto& places : column_places) {
      // A place left contested had columns of both sides, or lost the one that held it.
      for (const auto& [side, where] : places) {
        if ((side == owner || owner == "0") && where.count(place) != 0) column_there = true;
      }
    }
    // The timetable's capture contests the place first; the troops it puts there take it later.
    const auto scheduled = timetable.find(place);
    if (column_there ||
        (scheduled != timetable.end() && (scheduled->second == owner || owner == "0"))) {
      continue;
    }
    const auto around = surroundings.find(place);
    if (around != surroundings.end() && around->second == owner) continue;
    problems.push_back(place + " went from side " + earlier->second + " to side " + owner +
                       " without a column, a landing or the timetable");
  }
  for (const auto& [place, owner] : before) {
    if (after.count(place) == 0) problems.push_back(place + " disappeared");
  }
  return problems;
}

std::string CampaignValue(const std::string& campaign_text, const std::string& section) {
  const std::vector<std::string> lines = Lines(campaign_text);
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == "[" + section + "]") return lines[i + 1];
  }
  return "";
}

int CampaignDateKey(const std::string& campaign_text) {
  const std::string date = CampaignValue(campaign_text, "Date");
  if (date.size() != 10) return 0;
  try {
    return std::stoi(date.substr(6, 4)) * 10000 + std::stoi(date.substr(3, 2)) * 100 +
           std::stoi(date.substr(0, 2));
  } catch (const std::exception&) {
    return 0;
  }
}

namespace {

const std::vector<std::string> kCampaignFiles{"campaign.tavrek",   "squadrons.tavrek",
                                              "stationary.tavrek", "columns.tavrek",
                                              "territory.tavrek",  "pilot.tavrek"};

// The campaign's limit of troops per side and place ("Troops=" of campaign.tavrek).
int TroopLimit(const std::string& campaign_text) {
  for (const std::string& line : Lines(campaign_text)) {
    if (line.rfind("Troops=", 0) == 0) return std::stoi(line.substr(7));
  }
  return 1000;
}

// Where the ships of each side stand, as ColumnPlaces answers for every column.
std::map<std::string, std::set<std::string>> ShipPlaces(const std::string& columns_text) {
  std::map<std::string, std::set<std::string>> places;
  for (const std::string& line : Lines(columns_text)) {
    const std::vector<std::string> words = Words(line);
    if (words.size() < 4 || words[1].rfind("Ships.", 0) != 0 || words[3].empty() ||
        words[3][0] != '@') {
      continue;
    }
    places[words[2]].insert(words[3].substr(1));
  }
  return places;
}

// Oceans, seas and bays: places held by the side whose ships are there.
bool IsSeaPlace(const std::string& place) {
  return (place.find("Ocean") != std::string::npos || place.find("Sea") != std::string::npos ||
          place.find("_Bay") != std::string::npos) &&
         place.find("Seaplane_Base") == std::string::npos;
}

// A territory.tavrek line: "name owner allied=n axis=n".
struct TerritoryLine {
  std::string place;
  std::string owner;
  long long allied = -1;
  long long axis = -1;
};

TerritoryLine ReadTerritoryLine(const std::string& line) {
  TerritoryLine read;
  const std::vector<std::string> words = Words(line);
  if (words.size() != 4 || words[2].rfind("allied=", 0) != 0 || words[3].rfind("axis=", 0) != 0) {
    return read;
  }
  read.place = words[0];
  read.owner = words[1];
  read.allied = std::stoll(words[2].substr(7));
  read.axis = std::stoll(words[3].substr(5));
  return read;
}

// Opening a campaign cuts each side's troops down to the campaign's limit (a timetable capture
// puts far more there), a ship that stands at a contested place takes it for its side, and a
// sea place goes to the side of the ships the opening brings back in at their entry point (or
// that a new battle's first cycle left it unheld with): whether the opening's territory
// differs from `original` by that work alone.
bool OnlyOpeningWorkOnTerritory(const std::string& original, const std::string& opened,
                                long long troop_limit,
                                const std::map<std::string, std::set<std::string>>& ships) {
  const std::vector<std::string> was = Lines(original);
  const std::vector<std::string> is = Lines(opened);
  if (was.size() != is.size()) return false;
  for (size_t i = 0; i < was.size(); ++i) {
    if (was[i] == is[i]) continue;
    const TerritoryLine before = ReadTerritoryLine(was[i]);
    const TerritoryLine after = ReadTerritoryLine(is[i]);
    if (before.place.empty() || before.place != after.place) return false;
    const auto side = ships.find(after.owner);
    const bool taken_by_ship =
        before.owner == "0" && side != ships.end() && side->second.count(after.place) != 0;
    if (before.owner != after.owner && !taken_by_ship && !IsSeaPlace(after.place)) return false;
    if (after.allied != std::min(before.allied, troop_limit) ||
        after.axis != std::min(before.axis, troop_limit)) {
      return false;
    }
  }
  return true;
}

// A fresh program opens a copy of the campaign in its own program folder and saves every file
// again. Answers the folder of the copy.
std::string LoadAndSave(TestWorld& world, const std::string& program_folder,
                        const std::string& campaign_folder, const std::string& game_folder) {
  const auto copy = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
  fs::copy(fs::path(program_folder) / "data", fs::path(world.program_folder.Path()) / "data", copy);
  const std::string folder = world.program_folder.Path() + "campaign/";
  fs::create_directories(folder);
  fs::copy(campaign_folder, folder, copy);
  // The settings the campaign runs with, but for the program folder and the campaign folder:
  // the copies. (The program that made the campaign may still be running, holding its folder.)
  std::string settings = ReadFileBytes((fs::path(program_folder) / "tavrek.ini").string());
  settings.replace(0, settings.find('\r'), world.program_folder.Path());
  world.program_folder.Write("tavrek.ini", settings);

  TMainForm& form = *world.form;
  ReadIni(form);
  form.ProgramFolder = world.program_folder.Path();
  form.CampaignFolder = folder;
  form.GameFolder = game_folder;
  GetMessages(form);
  InitializeCampaign(form);
  UpDateCampaignInfo(form);
  SaveSquadrons(form, 0);
  SaveStationary(form);
  WriteColumnList(form);
  DefineTerritory(form);
  SavePilot(form, 0);
  // The program ends: its hold on the program folder goes with it.
  world.form.reset();
  return folder;
}

// Each squadron's pilot lines, in no order. Every opening of a campaign ranks the pilots
// anew, and pilots of equal standing may change places between two openings; what must not
// change is who serves in which squadron, and with what record.
std::map<std::string, std::multiset<std::string>> PilotsBySquadron(const std::string& pilot_text) {
  std::map<std::string, std::multiset<std::string>> pilots;
  std::string squadron;
  for (const std::string& line : Lines(pilot_text)) {
    if (IsSection(line)) {
      squadron = line;
    } else if (!line.empty()) {
      pilots[squadron].insert(line);
    }
  }
  return pilots;
}

}  // namespace

std::vector<std::string> ReloadSaveProblems(const std::string& program_folder,
                                            const std::string& campaign_folder,
                                            const std::string& game_folder) {
  // Opening a campaign does some work of its own: it ranks each squadron's pilots, and brings
  // reserve columns back in at a rail yard or their entry point. The first save keeps that
  // work; from then on a load and a save must change no byte but the pilots' order.
  TestWorld settling;
  const std::string settled = LoadAndSave(settling, program_folder, campaign_folder, game_folder);
  TestWorld reloading;
  const std::string saved = LoadAndSave(reloading, program_folder, settled, game_folder);

  std::vector<std::string> problems;
  for (const std::string& name : kCampaignFiles) {
    const std::string before = ReadFileBytes(settled + name);
    const std::string after = ReadFileBytes(saved + name);
    const bool same = name == "pilot.tavrek" ? PilotsBySquadron(before) == PilotsBySquadron(after)
                                             : before == after;
    // The files the opening does no work on keep their bytes from the first save on.
    const std::string original = ReadFileBytes(fs::path(campaign_folder).append(name).string());
    const bool untouched =
        name == "pilot.tavrek" || name == "columns.tavrek" || original == before ||
        (name == "territory.tavrek" &&
         OnlyOpeningWorkOnTerritory(original, before,
                                    TroopLimit(ReadFileBytes(settled + "campaign.tavrek")),
                                    ShipPlaces(ReadFileBytes(settled + "columns.tavrek"))));
    if (!same || !untouched) problems.push_back(name);
  }
  return problems;
}

CampaignCycleCheck::CampaignCycleCheck(std::string campaign_folder, std::string timetable_text)
    : folder_(std::move(campaign_folder)), timetable_(std::move(timetable_text)) {}

std::string CampaignCycleCheck::Read(const std::string& name) const {
  return ReadFileBytes(folder_ + name);
}

void CampaignCycleCheck::Begin() {
  battle_ = CampaignValue(Read("campaign.tavrek"), "Battle");
  territory_ = Read("territory.tavrek");
  columns_ = Read("columns.tavrek");
  pilots_ = Read("pilot.tavrek");
}

std::vector<std::string> CampaignCycleCheck::End(int most_new_kills, int most_new_ground_kills,
                                                 const std::set<std::string>& landings) const {
  std::vector<std::string> problems;
  const auto add = [&problems](const std::vector<std::string>& found) {
    problems.insert(problems.end(), found.begin(), found.end());
  };
  add(SquadronStrengthProblems(Read("squadrons.tavrek")));
  const std::string pilots = Read("pilot.tavrek");
  add(RosterProblems(pilots));
  // A pilot new to the roster (a replacement, a new squadron's men) brings a record of his
  // own: only the pilots who served before and after the cycle count.
  const std::map<std::string, RosterLine> before = RosterByName(pilots_);
  int new_kills = 0;
  int new_ground_kills = 0;
  for (const auto& [name, pilot] : RosterByName(pilots)) {
    const auto earlier = before.find(name);
    if (earlier == before.end()) continue;
    new_kills += pilot.kills - earlier->second.kills;
    new_ground_kills += pilot.ground_kills - earlier->second.ground_kills;
  }
  if (new_kills > most_new_kills) {
    problems.push_back("kills grew by " + std::to_string(new_kills) + ", the mission had " +
                       std::to_string(most_new_kills));
  }
  if (new_ground_kills > most_new_ground_kills) {
    problems.push_back("ground kills grew by " + std::to_string(new_ground_kills) +
                       ", the mission had " + std::to_string(most_new_ground_kills));
  }
  const std::string campaign = Read("campaign.tavrek");
  if (CampaignValue(campaign, "Battle") != battle_) return problems;
  const std::map<std::string, std::string> owners = TerritoryOwners(Read("territory.tavrek"));
  add(UnexplainedTerritoryChanges(TerritoryOwners(territory_), owners,
                                  {ColumnPlaces(columns_), ColumnPlaces(Read("columns.tavrek"))},
                                  TimetableCaptures(timetable_, battle_, CampaignDateKey(campaign)),
                                  landings,
                                  OwnersTakenFromSurroundings(Read("locations.tavrek"), owners)));
  return problems;
}

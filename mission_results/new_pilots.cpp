#include "mission_results/new_pilots.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_results/name_lists.h"
#include "mission_results/roster_text.h"

namespace {

bool IsOneOf(std::string_view code, std::initializer_list<std::string_view> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// How much a new pilot has flown for his rank: more late in the war for the side that was then
// winning, little for the nations that were short of fuel and aircraft.
int ExperienceFactor(int rank, std::string_view nation, int year) {
  int factor = rank + 2;
  if (IsOneOf(nation, {"us", "un", "um"}) && year > 1944) factor *= 2;
  if (IsOneOf(nation, {"ra", "rn", "rz", "gb", "fr"}) && year > 1944) factor *= 2;
  if (IsOneOf(nation, {"ru", "us", "un", "um"}) && year < 1943) factor /= 5;
  if (IsOneOf(nation, {"ru", "us", "un", "um"}) && year < 1942) factor = 0;
  if (IsOneOf(nation, {"ra", "rn", "rz", "gb", "fr"}) && year < 1942) factor /= 5;
  if (IsOneOf(nation, {"fi", "hu", "du", "sk", "it"})) factor /= 5;
  if (IsOneOf(nation, {"de", "in", "ja"}) && year == 1942) factor *= 2;
  if (IsOneOf(nation, {"de", "in", "ja"}) && year > 1943) factor /= 5;
  return factor;
}

// The year from which a nation's new pilots may have a record; none for a nation not listed.
int FirstYearOfWar(std::string_view nation) {
  if (IsOneOf(nation, {"ru", "fr"})) return 0;
  if (IsOneOf(nation, {"de", "fi"})) return 1939;
  if (IsOneOf(nation, {"gb", "rn", "ra", "rz", "pl", "ja", "in"})) return 1940;
  if (nation == "it") return 1941;
  if (IsOneOf(nation, {"du", "us", "um", "un", "ro", "sk", "hu"})) return 1942;
  return 0;
}

// Rank codes of the slots of a squadron, senior ranks first.
constexpr std::array<std::string_view, 16> kStartRanks = {"6", "5", "4", "3", "3", "2", "2", "2",
                                                          "1", "1", "1", "1", "0", "0", "0", "0"};

// A draw of the sum of two draws, the first of range 0, as the count of a new pilot.
std::string DrawnCount(TMainForm& form, int range) {
  const int first = form.Random(0);
  return ThreeDigitCount(first + form.Random(range));
}

void ResetCareer(PilotEntry& pilot) {
  pilot.RosterMedalCount = "0";
  pilot.RosterMarker = " ";
  pilot.RosterHomeTown.clear();
  pilot.RosterNoseArt = "None";
  pilot.RosterSorties = "000";
  pilot.RosterKills = "000";
  pilot.RosterGroundKills = "000";
}

void ClearCounts(PilotEntry& pilot) {
  pilot.RosterSorties = "000";
  pilot.RosterKills = "000";
  pilot.RosterGroundKills = "000";
}

// Medals follow the victories, one step after another.
void AwardStartingMedals(PilotEntry& pilot) {
  constexpr std::array<std::pair<int, char>, 5> kSteps{
      {{2, '0'}, {4, '1'}, {9, '2'}, {24, '3'}, {49, '4'}}};
  const int victories = CounterValue(pilot.RosterKills);
  for (const auto& [above, from] : kSteps) {
    if (victories > above && pilot.RosterMedalCount == std::string(1, from)) {
      pilot.RosterMedalCount = std::string(1, static_cast<char>(from + 1));
    }
  }
}

}  // namespace

void NewPilotStats(TMainForm& form, int squadron, int slot) {
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const std::string nation = unit.SquadronNation;
  const std::string role = unit.SquadronRole;
  const bool float_fighter = unit.TypeGameName == "A6M2-N";
  const int year = form.CampaignYear;
  PilotEntry& pilot = form.PilotRoster[RosterIndex(squadron, slot)];

  const int given_rank = StrToIntDef(Trim(pilot.RosterRank), 0);
  pilot.RosterRank = IntToStr(std::max(given_rank, 0));
  ResetCareer(pilot);

  const int factor = ExperienceFactor(given_rank < 0 ? 0 : given_rank, nation, year);
  pilot.RosterSorties = DrawnCount(form, 3 * factor);
  for (int step = 0; step < 3; ++step) {
    const int rank = StrToInt(pilot.RosterRank);
    const int sorties = CounterValue(pilot.RosterSorties);
    // The top rank and the untracked rank of human pilots ("9") never rise.
    if (rank < 6 && sorties > 10 * (rank * (rank + 1) + 1)) pilot.RosterRank = IntToStr(rank + 1);
  }
  if (role == "1" || float_fighter) pilot.RosterKills = DrawnCount(form, factor);
  if (float_fighter) {
    form.Random(0);
    pilot.RosterKills = "000";
  }
  if (role == "4" || role == "7" || role == "2") pilot.RosterGroundKills = DrawnCount(form, factor);
  if (pilot.RosterKills > pilot.RosterSorties) pilot.RosterKills = pilot.RosterSorties;
  if (pilot.RosterRank == "0" || year < 1940) ClearCounts(pilot);
  AwardStartingMedals(pilot);

  PilotName(form, squadron, slot);
  if (year < FirstYearOfWar(nation)) ClearCounts(form.PilotRoster[RosterIndex(squadron, slot)]);
}

std::string StartRank(TMainForm& form, int squadron, int slot) {
  const SquadronEntry& unit = form.SquadronTable[squadron];
  const std::string& nation = unit.SquadronNation;
  const std::string& name = unit.SquadronName;
  int position = slot;
  if (nation == "de" && Contains(name, "Stab")) --position;
  if (IsOneOf(nation, {"de", "in"})) position += 2;
  if (IsOneOf(nation, {"fr", "hu", "gb", "ra", "rz", "rn", "ro", "us", "um", "un", "ru", "pl"})) {
    ++position;
  }
  if (!EndsWith(name, "0") && IsOneOf(nation, {"fr", "hu", "gb", "ra", "rz", "rn", "pl", "ro", "us",
                                               "um", "un", "ru", "it", "sk", "in", "de", "du"})) {
    ++position;
  }
  return std::string(kStartRanks[std::clamp(position, 0, 15)]);
}

std::string GetBirthDate(TMainForm& form, int squadron, int slot) {
  const std::string& rank = form.PilotRoster[RosterIndex(squadron, slot)].RosterRank;
  int age_over_sixteen = 4;
  try {
    const int range = StrToInt(Trim(rank)) + 1;
    age_over_sixteen = 0;
    for (int draw = 0; draw < 4; ++draw) age_over_sixteen += form.Random(range);
  } catch (const ConversionError&) {
    // A rank that is no number: the usual age of a young pilot.
  }
  return IntToStr(form.CampaignYear - age_over_sixteen - 16);
}

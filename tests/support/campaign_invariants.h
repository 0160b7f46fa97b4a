#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// What must hold for a campaign folder after every cycle of a campaign (a mission generated,
// flown and scored), in any mode. Each check reads the files as the program left them and
// answers what it found wrong, empty when nothing.

// squadrons.tavrek: every squadron has from none to its most aircraft ("Planes 12/16-4+4").
std::vector<std::string> SquadronStrengthProblems(const std::string& squadrons_text);

// pilot.tavrek: no pilot is listed twice, and every count is a number of three digits.
std::vector<std::string> RosterProblems(const std::string& pilot_text);

// The sums of the roster's counts.
struct RosterTotals {
  int pilots = 0;
  int kills = 0;
  int ground_kills = 0;
  int sorties = 0;
};
RosterTotals SumRoster(const std::string& pilot_text);

// territory.tavrek: each location's owning side ("0", "1" or "2").
std::map<std::string, std::string> TerritoryOwners(const std::string& territory_text);

// columns.tavrek: the places where a column of each side ("1", "2") stands.
std::map<std::string, std::set<std::string>> ColumnPlaces(const std::string& columns_text);

// The timetable's captures ("yyyymmdd TCapture Allied Place") of one battle up to a date key
// (year * 10000 + month * 100 + day), as place -> side.
std::map<std::string, std::string> TimetableCaptures(const std::string& timetable_text,
                                                     const std::string& battle, int up_to);

// Stations, harbours, ports, seaplane bases and beachheads hold no ground of their own: each
// takes the side of the nearest place around it that has an owner. Answers place -> that side
// for such places of locations.tavrek ("name side x y" lines), judged by `owners`.
std::map<std::string, std::string> OwnersTakenFromSurroundings(
    const std::string& locations_text, const std::map<std::string, std::string>& owners);

// Owners that changed between two territory files without a cause: a location may change
// hands only to a side with a column there (before or after the cycle), to the side the
// timetable gives it by then, where the flown mission landed troops (`landings`), or, for a
// place without ground of its own, to the side its surroundings give it (`surroundings`).
std::vector<std::string> UnexplainedTerritoryChanges(
    const std::map<std::string, std::string>& before,
    const std::map<std::string, std::string>& after,
    const std::vector<std::map<std::string, std::set<std::string>>>& column_places,
    const std::map<std::string, std::string>& timetable, const std::set<std::string>& landings,
    const std::map<std::string, std::string>& surroundings = {});

// The campaign's files loaded by a fresh program and saved again: the names of those whose
// bytes changed. Opening a campaign ranks the pilots and brings reserve columns back in, so
// the comparison is between a first such save and a second one, and the pilots of each
// squadron are compared in no order. `program_folder` holds the data/ the campaign was made
// with, `game_folder` the game; the campaign folder is copied, so the campaign itself is not
// touched.
std::vector<std::string> ReloadSaveProblems(const std::string& program_folder,
                                            const std::string& campaign_folder,
                                            const std::string& game_folder);

// The date key of a campaign record (campaign.tavrek), or 0.
int CampaignDateKey(const std::string& campaign_text);
// The value line of a section of the campaign record ("Battle" -> "Okinawa45"), or "".
std::string CampaignValue(const std::string& campaign_text, const std::string& section);

// The checks of one cycle on a campaign folder: Begin() takes the files before the cycle,
// End() compares them with the files after it. Sides of territory may change through columns,
// the battle's timetable up to the new campaign date, and `landings` (a cycle that moves the
// campaign to its next battle starts its territory afresh); the kills and ground kills of the
// pilots on the roster before and after may grow by the most the flown mission allows, never
// more (a mission or a kill scored twice shows there).
class CampaignCycleCheck {
 public:
  CampaignCycleCheck(std::string campaign_folder, std::string timetable_text);

  void Begin();
  std::vector<std::string> End(int most_new_kills, int most_new_ground_kills,
                               const std::set<std::string>& landings = {}) const;

 private:
  std::string Read(const std::string& name) const;

  std::string folder_;
  std::string timetable_;
  std::string battle_;  // of the campaign record before the cycle
  std::string territory_;
  std::string columns_;
  std::string pilots_;  // pilot.tavrek before the cycle
};

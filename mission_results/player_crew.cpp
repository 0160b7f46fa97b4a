#include "mission_results/player_crew.h"

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_results/event_text.h"

std::vector<int> PlayerCrewAtSeat(TMainForm& form, const std::string& aircraft_id,
                                  const std::string& line) {
  std::vector<int> crew;
  if (!form.DGENBoot.Checked || !form.AutoGeneration.Checked) return crew;
  if (form.PlayerAircraftId.empty() || aircraft_id != form.PlayerAircraftId) return crew;
  const CrewPositionTableType& table = form.CrewPositionTable;
  const int seat = SeatNumber(line);
  if (seat < 1 || seat >= kCrewPositions ||
      table.CrewSeatLabel[static_cast<size_t>(seat)].empty()) {
    LogEventLineProblem(form, "Crew seat outside the player's aircraft", line);
    return crew;
  }
  const std::string& label = table.CrewSeatLabel[static_cast<size_t>(seat)];
  for (int k = 1; k < kCrewPositions; ++k) {
    if (table.CrewPositionName[static_cast<size_t>(k)] == label) crew.push_back(k);
  }
  return crew;
}

std::vector<int> CoopCrewmenAtSeat(const TMainForm& form, const std::string& line) {
  std::vector<int> crewmen;
  const size_t close = line.find(')');
  if (close == std::string::npos) return crewmen;
  const std::string key = Trim(line.substr(0, close + 1));
  for (int g = 1; g <= form.LastGunner; ++g) {
    const GunnerEntry& gunner = form.GunnerTable[g];
    if (!gunner.GunnerName.empty() && gunner.GunnerSquadron + gunner.GunnerSeat == key) {
      crewmen.push_back(g);
    }
  }
  return crewmen;
}

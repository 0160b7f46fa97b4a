#pragma once

#include <string>

#include "mission_results/pilot_roster_table.h"

// The pilot roster and the texts the scoring of a mission leaves behind.
struct MissionResultsState {
  PilotRosterType PilotRoster;
  std::string PlayerName;
  std::string PlayerStatusLine;
  std::string PlayerLogText;
  std::string NewsText;
  std::string LossText;
  std::string PromotionText;
};

#pragma once

#include <string>

#include "mission_results/name_tables.h"
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
  RankAwardTableType RankAwardTable;  // rank and award names of the latest squadron asked for
  CityNameTableType CityNameTable;
  std::string DestroyedBridgeText;  // body of the mission's bridge section
  int PendingSwapSquadron = -1;     // first pick of a pilot exchange; -1 none
  int PendingSwapSlot = -1;
};

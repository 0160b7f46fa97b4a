#pragma once

#include <array>
#include <set>
#include <string>

#include "mission_results/crew_table.h"
#include "mission_results/gunner_table.h"
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

  // Human crewmen of on-line missions (gunner.tavrek); LastGunner 0: none.
  GunnerTableType GunnerTable;
  int LastGunner = 0;
  // The player's bomber crew (crew.tavrek) and the seats of his aircraft type.
  CrewPositionTableType CrewPositionTable;
  // Names of the campaign's own name files, by CustomNameCode; in force for a nation while its
  // CustomNameCount (lines read at the last load) is above 9.
  std::array<CustomNameList, kCustomNameCodes> CustomPilotNameLists;
  std::array<int, kCustomNameCodes> CustomNameCount{};
  // Nations whose missing rank or award file has been reported once in this run.
  std::set<std::string> MissingCareerFilesReported;
};

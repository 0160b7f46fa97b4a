#pragma once

#include <string>

#include "campaign_data/fixed_table.h"

// One static ground object of stationary.tavrek: the game's static-object line and what is
// read from it.
struct StationaryEntry {
  std::string StationaryLine;
  std::string StationaryArmy;
  std::string StationaryPosition;
  int StationaryNearestLocation = -1;
  std::string StationaryMissionLine;
  std::string StationaryMissionPosition;
};

inline constexpr int kStationaryCapacity = 50001;
using StationaryObjectTableType = FixedTable<StationaryEntry, kStationaryCapacity>;

#pragma once

#include <array>
#include <string>

#include "campaign_data/fixed_table.h"
#include "campaign_data/name_index.h"

// Attack and defence strength of each side at a place, from the armour, placed static objects
// and troops there. Every value is at least 1: they divide and bound random draws.
struct LocationCombatEntry {
  int AlliedAttack = 1;
  int AlliedDefence = 1;
  int AxisAttack = 1;
  int AxisDefence = 1;
};

// One place of the map (town, airfield, port, road, rail or sea node), built from the map's
// route files. Entries above LastLocation hold the scratch targets of the mission being planned.
struct LocationEntry {
  std::string LocationName;
  std::string LocationPosition;   // "x y", map metres
  std::string LocationOffMap;     // "Y" when the place lies off the playable map
  std::string LocationArmy;       // "0" contested, "1" Allied, "2" Axis
  std::string LocationNearEnemy;  // "Y" when a place of another side lies within the bug-out radius
  int LocationTargetValue = 0;
  int StationaryFlag = 0;
  std::array<int, 3> TerritoryStrength{0, 0, 0};  // troops: entry 1 Allied, entry 2 Axis
  int LocationBridgeState = 0;  // 1 when a route through the place crosses a destroyed bridge
  LocationCombatEntry LocationCombat;
};

inline constexpr int kLocationCapacity = 50001;
using LocationTableType = FixedTable<LocationEntry, kLocationCapacity>;
// The map's locations 0..LastLocation by name.
using LocationNameIndex = NameIndex<LocationEntry, kLocationCapacity, &LocationEntry::LocationName>;

#pragma once

#include <array>
#include <string>

#include "campaign_data/fixed_table.h"

// One human crewman of co-op missions (gunner.tavrek); entries 1..LastGunner, entry 0 unused.
struct GunnerEntry {
  std::string GunnerName;
  std::string GunnerSquadron;  // SquadronName of the squadron he flies with
  std::string GunnerSorties;
  std::string GunnerKills;
  std::string GunnerGroundKills;
  std::string GunnerRank;
  std::string GunnerMedalCount;
  std::string GunnerPhoto;
  std::string GunnerBirthDate;
  std::string GunnerCity;
  std::string GunnerArmy;  // not stored: the army of his squadron
  std::string GunnerSeat;  // not stored: flight and aircraft digits and "(n)" of this mission
};

inline constexpr int kGunnerCapacity = 10000;
using GunnerTableType = FixedTable<GunnerEntry, kGunnerCapacity>;

// The player's bomber crew (crew.tavrek): entry 0 is the pilot, 1..10 the other positions.
inline constexpr int kCrewPositions = 11;
struct CrewPositionTableType {
  std::array<std::string, kCrewPositions> CrewPositionName;
  std::array<std::string, kCrewPositions> CrewMemberName;
  std::array<std::string, kCrewPositions> CrewMemberMissions;
  std::array<std::string, kCrewPositions> CrewSeatLabel;  // positions of the player's type
};

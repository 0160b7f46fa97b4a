#pragma once

#include <string>

#include "campaign_data/fixed_table.h"

// A human crewman of on-line missions (gunner.tavrek): entries 1..LastGunner, entry 0 unused.
struct GunnerEntry {
  std::string GunnerName;
  std::string GunnerSquadron;  // SquadronName of the squadron he flies with
  std::string GunnerSorties;   // three digits
  std::string GunnerKills;
  std::string GunnerGroundKills;
  std::string GunnerRank;  // one character
  std::string GunnerMedalCount;
  std::string GunnerPhoto;
  std::string GunnerBirthDate;
  std::string GunnerCity;
  std::string GunnerArmy;  // SquadronArmy of his squadron, "0" when none; not stored
  std::string GunnerSeat;  // his crew position in the mission being scored; not stored
};

inline constexpr int kGunnerCapacity = 10000;
using GunnerTableType = FixedTable<GunnerEntry, kGunnerCapacity>;

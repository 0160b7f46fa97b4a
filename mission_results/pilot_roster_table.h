#pragma once

#include <string>

#include "campaign_data/fixed_table.h"

// A squadron pilot, stored at entry squadron * 17 + slot. Slots 0..15 are the sixteen pilots;
// slot 16 is a spare that is never saved to a file.
struct PilotEntry {
  std::string RosterName;
  std::string RosterRank;
  std::string RosterMedalCount;
  std::string RosterKills;
  std::string RosterGroundKills;
  std::string RosterSorties;
  std::string RosterMarker;
  std::string RosterPhoto;
  std::string RosterBirthDate;
  std::string RosterHomeTown;
  std::string RosterSkin;
  std::string RosterNoseArt;
  std::string RosterSeat;
};

inline constexpr int kRosterSlotsPerSquadron = 17;
inline constexpr int kPilotRosterCapacity = 1029 * kRosterSlotsPerSquadron;
using PilotRosterType = FixedTable<PilotEntry, kPilotRosterCapacity>;

inline int RosterIndex(int squadron, int slot) {
  return squadron * kRosterSlotsPerSquadron + slot;
}

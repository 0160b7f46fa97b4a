#pragma once

#include <array>
#include <string>

// The player's bomber crew: position 0 is the pilot, 1..10 the crewmen beside him.
inline constexpr int kCrewPositions = 11;
struct CrewPositionTableType {
  std::array<std::string, kCrewPositions> CrewPositionName;    // fixed position labels
  std::array<std::string, kCrewPositions> CrewMemberName;      // who holds each position
  std::array<std::string, kCrewPositions> CrewMemberMissions;  // three digits
  // The crew positions of the player's aircraft type, in the order of data\crewseats.tavrek.
  std::array<std::string, kCrewPositions> CrewSeatLabel;
};

#pragma once

#include <array>
#include <string>

// The player's bomber crew: position 0 is the pilot, 1..10 the crewmen beside him.
inline constexpr int kCrewPositions = 11;
struct CrewPositionTableType {
  std::array<std::string, kCrewPositions> CrewPositionName;    // fixed position labels
  std::array<std::string, kCrewPositions> CrewMemberName;      // who holds each position
  std::array<std::string, kCrewPositions> CrewMemberMissions;  // three digits
  // Seat labels for the player's aircraft type, ordered as listed in data\crewseats.tavrek.
  std::array<std::string, kCrewPositions> CrewSeatLabel;
};

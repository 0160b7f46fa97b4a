#pragma once

#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/support/event_log_writer.h"

// What can happen in a flown mission, written into its event log by FlyMission.
enum class Happening {
  kVictory,  // the player shoots down an enemy aircraft
  kLoss,     // a wingman is shot down and killed
  kBailOut,  // a wingman is shot down and bails out
  kCapture,  // a wingman bails out and is captured
  kGround,   // the player destroys a static object
  kColumn,   // the player destroys a vehicle of an enemy column
  kShip,     // the player sinks an enemy ship
  kBridge,   // the player drops a bridge
};
inline constexpr int kHappeningKinds = 8;

// The most the program may credit for a flown mission.
struct FlightTally {
  int victories = 0;     // aircraft shot down, by either side
  int ground_kills = 0;  // objects, vehicles, ships and bridges the player destroyed
};

// Writes the player's seat, the happenings the mission has what they need for (an enemy
// flight, a wingman, an enemy ship ...; the others are passed over), and his landing.
// `locations_text` (locations.tavrek) places the bridge.
FlightTally FlyMission(EventLogWriter& log, const std::string& mission_text,
                       const std::string& locations_text, const std::vector<Happening>& happenings);

// The fixed mix of a cycle: every kind comes round within a few cycles.
std::vector<Happening> ScriptedHappenings(int cycle);
// From none to six happenings of any kinds.
std::vector<Happening> RandomHappenings(std::mt19937& random);

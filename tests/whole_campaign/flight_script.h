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
  // Not among the kinds drawn by the mixes below:
  kTransport,  // the player sinks every enemy ship of the mission that carries a column
};
inline constexpr int kHappeningKinds = 8;

// The most the program may credit for a flown mission.
struct FlightTally {
  int victories = 0;        // aircraft shot down, by either side
  int ground_kills = 0;     // objects, vehicles, ships and bridges the player destroyed
  int transports_sunk = 0;  // of those, ships that carried a column
};

// Writes the player's seat, the happenings the mission has what they need for (an enemy
// flight, a wingman, an enemy ship ...; the others are passed over), and his landing.
// `locations_text` (locations.tavrek) places the bridge; `columns_text` (columns.tavrek) tells
// which ships carry a column.
FlightTally FlyMission(EventLogWriter& log, const std::string& mission_text,
                       const std::string& locations_text, const std::vector<Happening>& happenings,
                       const std::string& columns_text = "");

// A column of the mission the player destroys whole, vehicle after vehicle.
struct ColumnStrike {
  int chief = 0;     // its number in [Chiefs]
  int vehicles = 0;  // how many it has
};

// What the players go after before anything else (their side is "1" or "2"): the enemy armour
// of the mission that stands on ground its side does not hold, breaking through, and the enemy
// ships of the mission that carry troops to a landing.
// `columns_text` and `territory_text` are the campaign's columns.tavrek and territory.tavrek.
std::vector<ColumnStrike> EnemyThrusts(const std::string& mission_text,
                                       const std::string& columns_text,
                                       const std::string& territory_text, const std::string& side);

// The same for a mission flown by `person` in `aircraft`, as in a co-op mission, whose players
// take the seats they choose; before the happenings the player destroys the `strikes` columns.
FlightTally FlyMissionAs(EventLogWriter& log, const std::string& mission_text,
                         const std::string& locations_text,
                         const std::vector<Happening>& happenings, const std::string& aircraft,
                         const std::string& person, const std::vector<ColumnStrike>& strikes = {},
                         const std::string& columns_text = "");

// The game's event log as the flights of a run add to it, each block with its time stamp.
class GameEventLog {
 public:
  // Adds the block `log` wrote and saves the whole log to `path`.
  void Append(const EventLogWriter& log, const std::string& path);
  // The stamp of the block added last ("[...]"); empty before any.
  const std::string& LastStamp() const { return last_stamp_; }

 private:
  std::string text_;
  std::string last_stamp_;
};

// The fixed mix of a cycle: every kind comes round within a few cycles.
std::vector<Happening> ScriptedHappenings(int cycle);
// The fixed mix, after the sinking of the enemy's loaded transports: a player who keeps the
// enemy from landing armour behind the lines, so that the war goes on.
std::vector<Happening> LandingsStoppedHappenings(int cycle);
// From none to six happenings of any kinds.
std::vector<Happening> RandomHappenings(std::mt19937& random);

#include "tests/whole_campaign/flight_script.h"

#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "platform/text_file.h"
#include "tests/support/mission_checker.h"

namespace {

bool IsEnemyFlight(const std::string& flight) {
  return flight.rfind("IJ", 0) == 0;
}

// Hands out each aircraft of the mission once, so that nothing is shot down twice.
class AircraftPool {
 public:
  AircraftPool(const EventLogWriter& log) : log_(log) {}

  std::optional<std::string> Next(bool enemy) {
    for (const std::string& flight : log_.Flights()) {
      if (IsEnemyFlight(flight) != enemy) continue;
      int& used = used_[flight];
      // The player's own aircraft is number 0 of his flight.
      if (flight == log_.PlayerFlight() && used == 0) used = 1;
      try {
        const std::string aircraft = log_.Aircraft(flight, used);
        ++used;
        return aircraft;
      } catch (const std::invalid_argument&) {
        continue;  // the flight has no aircraft left
      }
    }
    return std::nullopt;
  }

 private:
  const EventLogWriter& log_;
  std::map<std::string, int> used_;
};

// The enemy columns of the mission: ships and the others, by number.
struct EnemyColumns {
  std::vector<int> ships;
  std::vector<int> vehicles;
};

EnemyColumns FindEnemyColumns(const std::string& mission_text) {
  EnemyColumns columns;
  for (const std::vector<std::string>& row : ParseMission(mission_text).Rows("Chiefs")) {
    if (row.size() < 3 || row[2] != "2") continue;
    const int number = std::stoi(row[0]);
    (row[1].rfind("Ships.", 0) == 0 ? columns.ships : columns.vehicles).push_back(number);
  }
  return columns;
}

// The chiefs that a column stands in ("18_Chief" of "... @18_Chief $... ~T"), by number.
std::set<int> LoadedChiefs(const std::string& columns_text) {
  std::set<int> chiefs;
  for (const std::string& line : SplitTextLines(columns_text)) {
    const size_t at = line.find(" @");
    if (at == std::string::npos) continue;
    const std::string place = line.substr(at + 2, line.find(' ', at + 2) - at - 2);
    const size_t suffix = place.find("_Chief");
    if (suffix == 0 || suffix == std::string::npos || suffix + 6 != place.size()) continue;
    chiefs.insert(std::stoi(place.substr(0, suffix)));
  }
  return chiefs;
}

std::string BridgePosition(const std::string& locations_text) {
  std::istringstream lines(locations_text);
  std::string name, side, x, y;
  while (lines >> name >> side >> x >> y) {
    if (name.find("_Bridge") != std::string::npos) return x + " " + y;
  }
  return "0.00 0.00";
}

}  // namespace

FlightTally FlyMission(EventLogWriter& log, const std::string& mission_text,
                       const std::string& locations_text, const std::vector<Happening>& happenings,
                       const std::string& columns_text) {
  FlightTally tally;
  const std::string player = log.Aircraft(log.PlayerFlight(), 0);
  log.Seat(player, "Player");
  AircraftPool pool(log);
  EnemyColumns columns = FindEnemyColumns(mission_text);
  std::vector<int> statics = log.StaticObjects();
  int bridge = 1;

  for (const Happening happening : happenings) {
    switch (happening) {
      case Happening::kVictory:
        if (const auto enemy = pool.Next(true)) {
          log.ShotDown(*enemy, player).Crashed(*enemy);
          ++tally.victories;
        }
        break;
      case Happening::kLoss:
      case Happening::kBailOut:
      case Happening::kCapture: {
        const auto wingman = pool.Next(false);
        if (!wingman) break;
        if (const auto enemy = pool.Next(true)) {
          log.ShotDown(*wingman, *enemy);
          ++tally.victories;
        } else {
          log.Crashed(*wingman);
        }
        if (happening == Happening::kLoss) {
          log.Killed(*wingman);
        } else {
          log.BailedOut(*wingman);
          if (happening == Happening::kCapture) log.Captured(*wingman);
        }
        break;
      }
      case Happening::kGround:
        if (!statics.empty()) {
          log.StaticDestroyed(statics.back(), player);
          statics.pop_back();
          ++tally.ground_kills;
        }
        break;
      case Happening::kColumn:
      case Happening::kShip: {
        std::vector<int>& kind = happening == Happening::kShip ? columns.ships : columns.vehicles;
        if (kind.empty()) break;
        log.VehicleDestroyed(kind.back(), 0, player);
        kind.pop_back();
        ++tally.ground_kills;
        break;
      }
      case Happening::kTransport: {
        const std::set<int> loaded = LoadedChiefs(columns_text);
        std::erase_if(columns.ships, [&](const int ship) {
          if (!loaded.contains(ship)) return false;
          log.VehicleDestroyed(ship, 0, player);
          ++tally.ground_kills;
          ++tally.transports_sunk;
          return true;
        });
        break;
      }
      case Happening::kBridge:
        log.BridgeDestroyed(bridge++, BridgePosition(locations_text), player);
        ++tally.ground_kills;
        break;
    }
  }
  log.Landed(player);
  return tally;
}

std::vector<Happening> ScriptedHappenings(int cycle) {
  std::vector<Happening> happenings{Happening::kVictory};
  for (const int step : {0, 3, 5}) {
    happenings.push_back(static_cast<Happening>((cycle + step) % kHappeningKinds));
  }
  return happenings;
}

std::vector<Happening> LandingsStoppedHappenings(int cycle) {
  std::vector<Happening> happenings{Happening::kTransport};
  const std::vector<Happening> mix = ScriptedHappenings(cycle);
  happenings.insert(happenings.end(), mix.begin(), mix.end());
  return happenings;
}

std::vector<Happening> RandomHappenings(std::mt19937& random) {
  std::uniform_int_distribution<int> count(0, 6);
  std::uniform_int_distribution<int> kind(0, kHappeningKinds - 1);
  std::vector<Happening> happenings(static_cast<size_t>(count(random)));
  for (Happening& happening : happenings) happening = static_cast<Happening>(kind(random));
  return happenings;
}

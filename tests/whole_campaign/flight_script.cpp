#include "tests/whole_campaign/flight_script.h"

#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "platform/text_file.h"
#include "tests/support/campaign_invariants.h"
#include "tests/support/mission_checker.h"

namespace {

// Flights and aircraft of the Japanese side are named after its navy or army ("IJN_...").
bool IsJapanese(const std::string& flight_or_aircraft) {
  return flight_or_aircraft.rfind("IJ", 0) == 0;
}

// Hands out each aircraft of the mission once, so that nothing is shot down twice.
class AircraftPool {
 public:
  AircraftPool(const EventLogWriter& log, std::string player)
      : log_(log), player_(std::move(player)) {}

  std::optional<std::string> Next(bool enemy) {
    for (const std::string& flight : log_.Flights()) {
      if ((IsJapanese(flight) != IsJapanese(player_)) != enemy) continue;
      int& used = used_[flight];
      try {
        std::string aircraft = log_.Aircraft(flight, used++);
        if (aircraft == player_) aircraft = log_.Aircraft(flight, used++);
        return aircraft;
      } catch (const std::invalid_argument&) {
        continue;  // the flight has no aircraft left
      }
    }
    return std::nullopt;
  }

 private:
  const EventLogWriter& log_;
  std::string player_;
  std::map<std::string, int> used_;
};

// The enemy columns of the mission: ships and the others, by number.
struct EnemyColumns {
  std::vector<int> ships;
  std::vector<int> vehicles;
};

// `enemy_army`: "1" Allied, "2" Japanese.
EnemyColumns FindEnemyColumns(const std::string& mission_text, const std::string& enemy_army) {
  EnemyColumns columns;
  for (const std::vector<std::string>& row : ParseMission(mission_text).Rows("Chiefs")) {
    if (row.size() < 3 || row[2] != enemy_army) continue;
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
  return FlyMissionAs(log, mission_text, locations_text, happenings,
                      log.Aircraft(log.PlayerFlight(), 0), "Player", {}, columns_text);
}

FlightTally FlyMissionAs(EventLogWriter& log, const std::string& mission_text,
                         const std::string& locations_text,
                         const std::vector<Happening>& happenings, const std::string& player,
                         const std::string& person, const std::vector<ColumnStrike>& strikes,
                         const std::string& columns_text) {
  FlightTally tally;
  log.Seat(player, person);
  AircraftPool pool(log, player);
  EnemyColumns columns = FindEnemyColumns(mission_text, IsJapanese(player) ? "1" : "2");
  for (const ColumnStrike& strike : strikes) {
    for (int vehicle = 0; vehicle < strike.vehicles; ++vehicle) {
      log.VehicleDestroyed(strike.chief, vehicle, player);
      ++tally.ground_kills;
    }
    // Nothing is left of it for the happenings.
    std::erase(columns.vehicles, strike.chief);
    std::erase(columns.ships, strike.chief);
  }
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

std::vector<ColumnStrike> EnemyThrusts(const std::string& mission_text,
                                       const std::string& columns_text,
                                       const std::string& territory_text, const std::string& side) {
  const std::map<std::string, std::string> owners = TerritoryOwners(territory_text);
  // Chief -> vehicles to destroy: the armour breaking through, or the ship carrying troops.
  std::map<int, int> threats;
  std::istringstream lines(columns_text);
  std::string chief, type, army, place;
  while (lines >> chief >> type >> army >> place) {
    lines.ignore(1024, '\n');
    if (army == side || !place.starts_with("@")) continue;
    // "@18_Chief": on board; "Armor.3-Type97_ChiHa_JA @Hagushi": an armour column of three.
    const std::string where = place.substr(1);
    const auto owner = owners.find(where);
    if (where.ends_with("_Chief")) {
      threats[std::stoi(where)] = 1;
    } else if (type.starts_with("Armor.") && owner != owners.end() && owner->second != army) {
      threats[std::stoi(chief)] = std::stoi(type.substr(6));
    }
  }
  std::vector<ColumnStrike> strikes;
  for (const std::vector<std::string>& row : ParseMission(mission_text).Rows("Chiefs")) {
    if (row.empty()) continue;
    if (const auto threat = threats.find(std::stoi(row[0])); threat != threats.end()) {
      strikes.push_back({threat->first, threat->second});
    }
  }
  return strikes;
}

void GameEventLog::Append(const EventLogWriter& log, const std::string& path) {
  const std::string block = log.Text();
  last_stamp_ = block.substr(0, block.find(']') + 1);
  text_ += block;
  WriteTextFile(path, text_);
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

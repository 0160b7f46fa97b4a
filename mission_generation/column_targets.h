#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TMainForm;
class PlanRun;
class SquadronReach;
struct ColumnEntry;

// What the phases that send squadrons against or over ground columns and ships share.

// "x y" of a route point as the column phases read it: the text up to its first blank and the
// next field. A point of fewer than three fields loses its second one.
std::string RoutePointPosition(const std::string& route_point);

// Kinds of column by the words of the column's type: lower case for armour, train, vehicles and
// ship; a carrier holds "CV" but is no landing craft ("LCVP").
bool IsArmourColumn(const ColumnEntry& column);
bool IsTrainColumn(const ColumnEntry& column);
bool IsVehicleColumn(const ColumnEntry& column);
bool IsShipColumn(const ColumnEntry& column);
bool IsCarrierColumn(const ColumnEntry& column);

// The name of the patrol area of a side ("1" the map's first area, "2" its second); empty for
// any other side or a map without that area.
std::string PatrolAreaName(const TMainForm& form, const std::string& side);
// The column stands on the patrol area of its own side.
bool OnOwnPatrolArea(const TMainForm& form, const ColumnEntry& column);

// A phase that needs ground columns in a campaign that has none: the phase leaves the squadron
// alone, and the run log says so once per phase.
class ColumnPresence {
 public:
  explicit ColumnPresence(std::string_view phase) : phase_(phase) {}
  bool Present(TMainForm& form);

 private:
  std::string phase_;
  bool reported_ = false;
};

// A random column, drawn again up to five times while the last one drawn is unsuitable; the
// last draw is not tested here.
int PickColumn(TMainForm& form, const std::function<bool(int)>& unsuitable);

// Whether a squadron reaches a position on a column's route: well within its reach, or within
// 300 km and its reach, or any distance for a type the player cannot fly that is no ground
// attacker.
bool ColumnReachTest(TMainForm& form, SquadronReach& reach, int squadron,
                     const std::string& position);

// The next scratch target location for the squadron's target, or nothing (logged) when the
// location table has no room left.
std::optional<int> TakeScratchLocation(TMainForm& form, int squadron);

// Where a flight meets a moving column: from route point `start`, the point moves on along the
// route (points `first` to 1000 that exist and pass `route_end`) while the column, at
// `column_speed`, reaches the next point sooner than the flight at `flight_speed` from its base
// reaches the current one. The point is left in LocationPosition of `location`; answers its
// route index. `kept_point` is the route position the phase measured the column from.
int InterceptionWalk(TMainForm& form, int squadron, int column, int location,
                     const std::string& kept_point, int start, int first, int column_speed,
                     int flight_speed, const std::function<bool(int)>& route_end);

// The whole km/h of a speed text, the number before its first ".".
int WholeSpeed(const std::string& speed);

// Squadrons of one role, home base and side do not attack one column twice: a column is taken
// when another squadron of the group holds the column's name in its target leg. The groups and
// the column names are read when the phase starts; the phases change neither.
class ColumnTargetsTaken {
 public:
  explicit ColumnTargetsTaken(const TMainForm& form);
  bool TakenByOther(const TMainForm& form, int squadron, int column) const;

 private:
  static std::string GroupKey(const TMainForm& form, int squadron);
  std::vector<std::vector<int>> groups_;
  std::vector<int> group_of_;              // by squadron
  std::vector<std::string> column_names_;  // trimmed, by column
};

#include "mission_generation/column_targets.h"

#include <string_view>
#include <unordered_map>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "mission_generation/plan_run.h"
#include "mission_generation/waypoint_text.h"
#include "platform/ascii.h"

namespace {

constexpr int kPatrolEntries = 12;
constexpr int kLastWalkedPoint = 1000;

}  // namespace

std::string RoutePointPosition(const std::string& route_point) {
  const std::string_view text = TrimView(route_point);
  const size_t blank = text.find(' ');
  // The second field is looked for in the 50 characters from the first blank on.
  const size_t from = blank == std::string_view::npos ? 0 : blank;
  const std::string_view rest =
      from >= text.size() ? std::string_view() : TrimView(text.substr(from, 50));
  const size_t field_end = rest.find(' ');
  const std::string_view field =
      field_end == std::string_view::npos ? std::string_view() : rest.substr(0, field_end);
  const std::string_view head =
      blank == std::string_view::npos ? std::string_view() : text.substr(0, blank + 1);
  std::string position;
  position.reserve(head.size() + field.size());
  return position.append(head).append(field);
}

bool IsArmourColumn(const ColumnEntry& column) {
  return Contains(AsciiLowerCase(column.ColumnType), "armor");
}

bool IsTrainColumn(const ColumnEntry& column) {
  return Contains(AsciiLowerCase(column.ColumnType), "train");
}

bool IsVehicleColumn(const ColumnEntry& column) {
  return Contains(AsciiLowerCase(column.ColumnType), "vehicle");
}

bool IsShipColumn(const ColumnEntry& column) {
  return Contains(AsciiLowerCase(column.ColumnType), "ship");
}

bool IsCarrierColumn(const ColumnEntry& column) {
  return Contains(column.ColumnType, "CV") && !Contains(column.ColumnType, "LCVP");
}

std::string PatrolAreaName(const TMainForm& form, const std::string& side) {
  if (side == "1") return form.PatrolText[0];
  if (side == "2") return form.PatrolText[kPatrolEntries];
  return std::string();
}

bool OnOwnPatrolArea(const TMainForm& form, const ColumnEntry& column) {
  const std::string area = PatrolAreaName(form, column.ColumnArmy);
  return !area.empty() && column.ColumnPlace == area;
}

bool ColumnPresence::Present(TMainForm& form) {
  if (form.LastColumn >= 0) return true;
  if (!reported_) {
    ErrorLog(form, "The campaign has no ground columns: " + phase_ + " finds none.");
    reported_ = true;
  }
  return false;
}

int PickColumn(TMainForm& form, const std::function<bool(int)>& unsuitable) {
  int column = form.Random(form.LastColumn + 1);
  for (int redraw = 0; redraw < 5; ++redraw) {
    if (unsuitable(column)) column = form.Random(form.LastColumn + 1);
  }
  return column;
}

bool ColumnReachTest(TMainForm& form, SquadronReach& reach, int squadron,
                     const std::string& position) {
  if (reach.Within(position, 5)) return true;
  if (reach.Within(position, 3) && reach.Within(position, 0)) return true;
  const SquadronEntry& entry = form.SquadronTable[squadron];
  return entry.SquadronFlyable == "0" && entry.SquadronRole != "4";
}

std::optional<int> TakeScratchLocation(TMainForm& form, int squadron) {
  const int next = form.LastScratchLocation + 1;
  if (!LocationTableType::Contains(next)) {
    ErrorLog(form, "No room for another target location: the mission of " +
                       SquadronLabel(form, squadron) + " is left out.");
    return std::nullopt;
  }
  form.LastScratchLocation = next;
  form.SquadronTable[squadron].SquadronTargetLocation = next;
  return next;
}

int InterceptionWalk(TMainForm& form, int squadron, int column, int location,
                     const std::string& kept_point, int start, int first, int column_speed,
                     int flight_speed, const std::function<bool(int)>& route_end) {
  const ColumnRoutePoints& route = form.ColumnTable[column].ColumnRoute;
  std::string& target = form.LocationTable[location].LocationPosition;
  const std::string& take_off = form.SquadronTable[squadron].SquadronTakeOffLeg;
  const std::string base = Trim(Copy(take_off, 8, 99));

  target = RoutePointPosition(route[start]);
  long long column_metres = GetDistance(kept_point, target);
  int chosen = start;
  for (int k = first; k <= kLastWalkedPoint && k < kColumnRouteCapacity; ++k) {
    if (route[k].empty() || !route_end(k)) continue;
    const long long flight_time = GetDistance(target, base) / flight_speed;
    const long long column_time = column_metres / column_speed;
    // Once the flight gets to the point first, the meeting point stays where it is.
    if (column_time >= flight_time) break;
    const std::string next = RoutePointPosition(route[k]);
    column_metres += GetDistance(Trim(target), next);
    chosen = k;
    target = next;
  }
  return chosen;
}

int WholeSpeed(const std::string& speed) {
  return StrToInt(speed.substr(0, speed.find('.')));
}

ColumnTargetsTaken::ColumnTargetsTaken(const TMainForm& form) {
  std::unordered_map<std::string, int> group_by_key;
  for (int s = 0; s <= form.LastSquadron; ++s) {
    const auto [group, added] =
        group_by_key.emplace(GroupKey(form, s), static_cast<int>(groups_.size()));
    if (added) groups_.emplace_back();
    groups_[static_cast<size_t>(group->second)].push_back(s);
    group_of_.push_back(group->second);
  }
  for (int c = 0; c <= form.LastColumn; ++c) {
    column_names_.push_back(Trim(form.ColumnTable[c].ColumnName));
  }
}

std::string ColumnTargetsTaken::GroupKey(const TMainForm& form, int squadron) {
  const SquadronEntry& entry = form.SquadronTable[squadron];
  return entry.SquadronRole + "\n" + entry.SquadronHomeBase + "\n" + entry.SquadronArmy;
}

bool ColumnTargetsTaken::TakenByOther(const TMainForm& form, int squadron, int column) const {
  const std::vector<int>& group =
      groups_.at(static_cast<size_t>(group_of_.at(static_cast<size_t>(squadron))));
  const std::string& name = column_names_.at(static_cast<size_t>(column));
  for (int other : group) {
    if (other != squadron && Contains(form.SquadronTable[other].SquadronTargetLeg, name)) {
      return true;
    }
  }
  return false;
}

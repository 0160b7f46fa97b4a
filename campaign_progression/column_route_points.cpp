// What may move, which enemies are engaged, and the route points of every move.

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/run_log.h"
#include "campaign_data/text.h"
#include "campaign_progression/column_routing.h"
#include "campaign_progression/front_objects.h"
#include "campaign_progression/location_kinds.h"
#include "platform/ascii.h"

namespace {

constexpr int kWorkPoints = 1025;  // route points one move can carry
constexpr int kShortRoute = 121;   // metres below which a two-point route is stretched

struct Offset {
  int x;
  int y;
};

// Ships at one place sail in formation: the m-th one (counting from 1) is moved in one of eight
// directions, further out from the 10th and the 18th.
Offset FormationDirection(int m) {
  static constexpr Offset kDirections[8] = {{0, -1}, {0, 1},   {-1, 0}, {1, 0},
                                            {1, 1},  {-1, -1}, {1, -1}, {-1, 1}};
  if (m < 2 || m > 25) return {0, 0};
  return kDirections[(m - 2) % 8];
}

int FormationSpacing(int m) {
  if (m > 17) return 3;
  if (m > 9) return 2;
  return 1;
}

std::string FirstTwoValues(const std::string& point) {
  const std::string text = Trim(point);
  const size_t blank = text.find(' ');
  if (blank == std::string::npos) return text;
  const std::string rest = TrimLeft(text.substr(blank + 1));
  return text.substr(0, blank) + " " + rest.substr(0, rest.find(' '));
}

bool BothFerries(const ColumnEntry& column) {
  return Contains(column.ColumnPlace, "_Ferry") && Contains(column.ColumnDestination, "_Ferry");
}

}  // namespace

void ColumnRouting::LimitMove(int c, bool& ferry_taken) {
  ColumnEntry& column = form_.ColumnTable[c];
  const bool moving = column.ColumnDestination != column.ColumnPlace;
  if (moving && BothFerries(column) &&
      (column.ColumnStatus != "Y" || column.ColumnHeading == column.ColumnArmy)) {
    if (!ferry_taken && Trim(column.ColumnStatus).empty()) {
      column.ColumnStatus = "F";
      ErrorLog(form_, column.ColumnType + " is on a ferry.");
      ferry_taken = true;
    } else {
      column.ColumnStatus = "L";
      ErrorLog(form_, column.ColumnType + " is waiting for a ferry.");
    }
  }
  const int from = places_.Find(column.ColumnPlace);
  const int to = places_.Find(column.ColumnDestination);
  if (from >= 0 && to >= 0 && moving && column.ColumnStatus != "Y" &&
      std::as_const(form_.LocationTable)[from].LocationBridgeState > 0 &&
      std::as_const(form_.LocationTable)[to].LocationBridgeState > 0) {
    column.ColumnStatus = "L";
    ErrorLog(form_,
             column.ColumnType + " does not advance due to damaged bridge or blocked route.");
  }
  if (from >= 0 && to >= 0 && form_.TimeTableCapture == "Y" && column.ColumnStatus.empty() &&
      moving && std::as_const(form_.LocationTable)[to].LocationArmy != column.ColumnArmy) {
    column.ColumnStatus = "L";
  }
}

// The points of the sections the move runs along, in file order, into the work list; answers
// the index of the last one (-1 for none).
int ColumnRouting::ReadRoutePoints(int c) {
  ColumnEntry& column = form_.ColumnTable[c];
  // Only the points an earlier move of this routing wrote need clearing (all at the first).
  route_points_.resize(kWorkPoints);
  const int filled = work_points_written_ < 0 ? kWorkPoints : work_points_written_;
  for (int w = 0; w < filled; ++w) {
    form_.RoutePointMark[w].clear();
    route_points_[static_cast<size_t>(w)].clear();
  }
  work_points_written_ = 0;
  int n = -1;
  const RouteSections* routes = routes_.For(RouteFiles::NetworkOf(column.ColumnType));
  if (routes == nullptr) return n;
  const bool ship = Contains(column.ColumnType, "Ship");
  int ships_here = 0;
  if (ship) {
    for (int k = 0; k <= c; ++k) {
      if (form_.ColumnTable[k].ColumnPlace == column.ColumnPlace) ++ships_here;
    }
  }
  const bool heading_two = column.ColumnHeading == "2";
  const bool heading_one = column.ColumnHeading == "1";
  const std::span<const int> sections =
      heading_two ? routes->From(column.ColumnPlace) : routes->To(column.ColumnPlace);
  for (const int s : sections) {
    const RouteSection& section = routes->Sections()[static_cast<size_t>(s)];
    const bool matches = (heading_two && section.to == column.ColumnDestination) ||
                         (heading_one && section.from == column.ColumnDestination);
    if (!matches) continue;
    for (const RoutePoint& point : section.points) {
      if (n + 1 >= kWorkPoints) {
        ErrorLog(form_, column.ColumnType + ": the route from " + column.ColumnPlace + " to " +
                            column.ColumnDestination + " has more than " + IntToStr(kWorkPoints) +
                            " points; the rest are left out.");
        return n;
      }
      ++n;
      work_points_written_ = n + 1;
      std::string x(point.x);
      std::string y(point.y);
      std::string z(point.z);
      const size_t high = z.find("120.");
      if (high != std::string::npos) z.replace(high, 4, "20.");
      if (ship) {
        const Offset direction = FormationDirection(ships_here);
        const long long f = FormationSpacing(ships_here);
        const long long px = ReadWholeMetreNumber(x);
        const long long py = ReadWholeMetreNumber(y);
        x = IntToStr(px + 100 * f * direction.y + 1000 * f * direction.x) + ".00";
        y = IntToStr(py + 100 * f * direction.x + 1000 * f * direction.y) + ".00";
      }
      if (!Contains(z, ".00")) z = Trim(z + "0") + " ";
      route_points_[static_cast<size_t>(n)] = x + " " + y + " " + z;
      column.ColumnLastRoutePoint = n;
      if (Contains(z, "-")) form_.RoutePointMark[n] = "Y";
    }
  }
  return n;
}

void ColumnRouting::LimitMovesAndReadRoutes() {
  bool ferry_taken = false;
  // No column changes its place in this phase.
  const ColumnsByPlace columns_at(form_);
  for (int c = 0; c <= form_.LastColumn; ++c) {
    ColumnEntry& column = form_.ColumnTable[c];
    LimitMove(c, ferry_taken);
    bool skip = false;
    if (Trim(column.ColumnDestinationOwner).empty() && column.ColumnPlace != "Blank") {
      skip = true;
      ErrorLog(form_, column.ColumnType + " does not spawn due to possible collision.");
    }
    // Only a train away from "Blank" can collide with an earlier column.
    const bool may_collide = Contains(column.ColumnType, "Train") && column.ColumnPlace != "Blank";
    for (int k = 0; k < c && !skip && may_collide; ++k) {
      const ColumnEntry& earlier = form_.ColumnTable[k];
      const bool swapping = column.ColumnDestination == earlier.ColumnPlace &&
                            earlier.ColumnDestination == column.ColumnPlace;
      const bool same_way = column.ColumnDestination == earlier.ColumnDestination &&
                            column.ColumnPlace == earlier.ColumnPlace;
      if ((swapping || same_way) && Contains(column.ColumnType, "Train") &&
          column.ColumnPlace != "Blank") {
        skip = true;
        ErrorLog(form_, column.ColumnType + " does not spawn due to possible collision.");
        column.ColumnDestination = column.ColumnPlace;
      }
    }
    if (skip) continue;

    const int last_point = ReadRoutePoints(c);
    if (Contains(column.ColumnType, "Armor")) {
      for (int side = 0; side < 2; ++side) {
        const bool short_of_fuel = form_.Random(100) > form_.OilSupply[side];
        if (short_of_fuel && column.ColumnArmy == (side == 0 ? "1" : "2") &&
            column.ColumnStatus.empty()) {
          column.ColumnStatus = "X";
          column.ColumnMobile = "N";
          ErrorLog(form_, column.ColumnName + " is short on fuel.");
        }
      }
    }
    if (column.ColumnMobile == "N") column.ColumnDestination = column.ColumnPlace;
    if (Contains(column.ColumnType, "Train") && column.ColumnStatus != "L")
      column.ColumnStatus.clear();
    if (Contains(column.ColumnType, "Armor") && column.ColumnStatus == "A")
      column.ColumnStatus.clear();
    if (Trim(column.ColumnStatus).empty()) {
      for (const int k : columns_at.At(column.ColumnDestination)) {
        ColumnEntry& other = form_.ColumnTable[k];
        if (other.ColumnStatus != "F" && other.ColumnStatus != "L" &&
            other.ColumnPlace != form_.PatrolText[0] && other.ColumnArmy != column.ColumnArmy) {
          other.ColumnStatus = "Y";
          other.ColumnHeading = column.ColumnArmy;
        }
      }
    }
    if (column.ColumnDestination == column.ColumnPlace && Contains(column.ColumnPlace, "_Ferry")) {
      column.ColumnStatus = "L";
    }
    column.ColumnMarks = Trim(column.ColumnStatus);
    if (column.ColumnMarks == "Y") column.ColumnMarks = "C";
    if (column.ColumnMarks.empty()) column.ColumnMarks = "A";
    if (column.ColumnStatus == "Y" || column.ColumnStatus == "X") {
      CopyEngagedStretch(c, last_point);
    } else {
      CopyRouteWindow(c, last_point);
    }
  }
}

namespace {

// A position of the work list; outside it, empty.
const std::string& WorkPoint(const std::vector<std::string>& points, int w) {
  static const std::string kNone;
  return w < 0 || w >= static_cast<int>(points.size()) ? kNone : points[static_cast<size_t>(w)];
}

bool Marked(const TMainForm& form, int w) {
  return w >= 0 && w < kWorkPoints && form.RoutePointMark[w] == "Y";
}

// The positions of a window in copy order.
std::vector<int> Window(int from, int to) {
  std::vector<int> positions;
  if (from <= to) {
    for (int w = from; w <= to; ++w) positions.push_back(w);
  } else {
    for (int w = from; w >= to; --w) positions.push_back(w);
  }
  return positions;
}

}  // namespace

// A free column runs the whole move (or, retreating or on a ferry, part of it) in its direction
// of travel; it does not start on a marked point.
void ColumnRouting::CopyRouteWindow(int c, int n) {
  ColumnEntry& column = form_.ColumnTable[c];
  const std::string& status = column.ColumnStatus;
  std::vector<int> window;
  if (column.ColumnArmy == "1") {
    if (status == "R") {
      window = Window(3, n < 0 ? 4 : n);
      if (3 > (n < 0 ? 4 : n)) window.clear();
    } else if (status == "F") {
      const int last = std::max(n - 3, 6);
      window = last >= 3 ? Window(last, 3) : std::vector<int>();
    } else {
      window = Window(std::max(n, 1), 0);
    }
  } else if (column.ColumnArmy == "2") {
    if (status == "R") {
      window = Window(std::max(n - 3, 1), 0);
    } else if (status == "F") {
      const int last = std::max(n, 6) - 3;
      window = last >= 3 ? Window(3, last) : std::vector<int>();
    } else {
      window = Window(0, n < 0 ? 1 : n);
    }
  }
  int j = -1;
  for (const int w : window) {
    const std::string& point = WorkPoint(route_points_, w);
    if (point.empty() || (j < 0 && Marked(form_, w))) continue;
    column.ColumnRoute[++j] = point + " ";
    column.ColumnLastRoutePoint = j;
  }
}

// An engaged or stopped column shows a short stretch next to its place.
void ColumnRouting::CopyEngagedStretch(int c, int n) {
  ColumnEntry& column = form_.ColumnTable[c];
  const std::string& type = column.ColumnType;
  const bool bridge = Contains(AsciiLowerCase(column.ColumnPlace), "bridge");
  const bool armour = Contains(type, "Armor");
  int j = -1;
  if (column.ColumnArmy == "1") {
    int k0 = 7;
    if (armour) k0 = 3;
    if (Contains(type, "Ship")) k0 = 2;
    if (ContainsAny(type, {"RussiaCarsColumnC", "RussiaCarsColumnD", "RussiaCarsColumnE",
                           "USACarsColumnC"})) {
      k0 = 6;
    }
    if (BothFerries(column)) k0 = 1;
    for (int step = 0; step < 4; ++step) {
      if (Marked(form_, k0)) k0 += 2;
    }
    if (Marked(form_, k0)) k0 = column.ColumnLastRoutePoint;
    for (int w = k0; w >= 0; --w) {
      const std::string& point = WorkPoint(route_points_, w);
      if (point.empty()) continue;
      column.ColumnRoute[++j] = point + " ";
      column.ColumnLastRoutePoint = j;
      if (Contains(type, "CarsColumn")) column.ColumnLastRoutePoint = 1;
      if (bridge) column.ColumnLastRoutePoint = 1;
      if (bridge && armour &&
          (form_.CampaignYear > 1942 || form_.CampaignMonth > 11 || form_.CampaignMonth < 3)) {
        column.ColumnLastRoutePoint = k0;
      }
      if (bridge && form_.MapName == "Ardennes" && form_.CampaignYear == 1944) {
        column.ColumnLastRoutePoint = 1;
      }
    }
  } else if (column.ColumnArmy == "2") {
    int k0 = n - 7;
    if (armour) k0 = n - 3;
    if (Contains(type, "Ship")) k0 = n - 2;
    if (ContainsAny(type, {"GermanyCarsColumnC", "JapanCarsColumnA"})) k0 = n - 6;
    if (BothFerries(column)) k0 = n - 1;
    for (int step = 0; step < 4; ++step) {
      if (Marked(form_, k0)) k0 -= 2;
    }
    if (Marked(form_, k0)) k0 = 0;
    const int last = std::max(n, 1);
    for (int w = k0; w <= last; ++w) {
      const std::string& point = WorkPoint(route_points_, w);
      if (point.empty()) continue;
      column.ColumnRoute[++j] = point + " ";
      column.ColumnLastRoutePoint = j;
      if (Contains(type, "CarsColumn")) column.ColumnLastRoutePoint = 1;
      if (bridge) column.ColumnLastRoutePoint = 1;
      if (bridge && form_.MapName == "Ardennes" && form_.CampaignYear == 1944) {
        column.ColumnLastRoutePoint = last - k0;
      }
      if (bridge && armour && form_.CampaignYear < 1943) column.ColumnLastRoutePoint = last - k0;
    }
  }
}

void ColumnRouting::SpreadArmour() {
  if (form_.Dogfight.Checked) return;
  // Armour columns met so far at each place; no column changes its place here.
  std::unordered_map<std::string, int> armour_at;
  for (int c = 0; c <= form_.LastColumn; ++c) {
    ColumnEntry& column = form_.ColumnTable[c];
    if (!Contains(column.ColumnType, "Armor")) continue;
    const int others_here = armour_at[column.ColumnPlace]++;
    const std::string first = Trim(column.ColumnRoute[0]);
    if (first.empty()) continue;
    std::string start = first;
    // A route of one point has no direction to spread along.
    if (!Trim(column.ColumnRoute[1]).empty()) {
      start = FrontDirection(column.ColumnRoute[0], column.ColumnRoute[1], "Y",
                             static_cast<int>(2.0 * others_here), 1);
    }
    column.ColumnRoute[0] = FirstTwoValues(start) + " 20.00";
  }
}

void ColumnRouting::StretchShortRoutes() {
  for (int c = 0; c <= form_.LastColumn; ++c) {
    ColumnEntry& column = form_.ColumnTable[c];
    if (column.ColumnStatus == "L" && column.ColumnLastRoutePoint > -1) {
      column.ColumnLastRoutePoint = 1;
      column.ColumnDestination = column.ColumnPlace;
    }
    if (column.ColumnLastRoutePoint != 1 || form_.Dogfight.Checked) continue;
    // A held column may keep a single point: there is nothing to stretch.
    if (Trim(column.ColumnRoute[0]).empty() || Trim(column.ColumnRoute[1]).empty()) continue;
    const WholeMetrePoint a = ReadWholeMetres(Trim(column.ColumnRoute[0]));
    const WholeMetrePoint b = ReadWholeMetres(Trim(column.ColumnRoute[1]));
    long long d2 = (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
    if (d2 == 0) d2 = 1;
    const long long d = static_cast<long long>(std::sqrt(static_cast<double>(d2)));
    if (d >= kShortRoute) continue;
    const double f = static_cast<double>(kShortRoute - d) / 10.0 + 1.0;
    const long long x = static_cast<long long>(static_cast<double>(b.x) + (b.x - a.x) * f);
    const long long y = static_cast<long long>(static_cast<double>(b.y) + (b.y - a.y) * f);
    column.ColumnRoute[1] = IntToStr(x) + ".00 " + IntToStr(y) + ".00 20.00 ";
  }
}

#include "mission_generation/near_enemy.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/main_form.h"
#include "mission_generation/plan_run.h"

namespace {

// Squares of `size` metres; floor division keeps negative coordinates in their own square.
struct Square {
  long long x;
  long long y;
  bool operator==(const Square&) const = default;
};

struct SquareHash {
  size_t operator()(const Square& square) const {
    return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(square.x) * 0x9E3779B97F4A7C15ULL ^
                                      static_cast<std::uint64_t>(square.y));
  }
};

long long FloorDiv(long long value, long long size) {
  return value >= 0 ? value / size : -((-value + size - 1) / size);
}

// The usable locations of one side, by square.
using SideGrid = std::unordered_map<Square, std::vector<int>, SquareHash>;

}  // namespace

void MarkLocationsNearEnemy(TMainForm& form, const PlanRun& run) {
  const long long radius = form.BugOutRadius * 1000LL;
  const long long size = std::max(radius, 1LL);
  auto square_of = [&](const WholeMetrePoint& point) {
    return Square{FloorDiv(point.x, size), FloorDiv(point.y, size)};
  };

  std::map<std::string, SideGrid> grids;
  for (int j = 0; j <= form.LastLocation; ++j) {
    if (run.Usable(j))
      grids[form.LocationTable[j].LocationArmy][square_of(run.Point(j))].push_back(j);
  }

  auto near_enemy = [&](int i) {
    const LocationEntry& location = form.LocationTable[i];
    const WholeMetrePoint& at = run.Point(i);
    const Square centre = square_of(at);
    for (const auto& [side, grid] : grids) {
      if (side == location.LocationArmy) continue;
      for (long long dx = -1; dx <= 1; ++dx) {
        for (long long dy = -1; dy <= 1; ++dy) {
          const auto found = grid.find(Square{centre.x + dx, centre.y + dy});
          if (found == grid.end()) continue;
          for (int j : found->second) {
            const WholeMetrePoint& other = run.Point(j);
            if (form.LocationTable[j].LocationName != location.LocationName &&
                WholeMetreDistance(at.x - other.x, at.y - other.y) < radius) {
              return true;
            }
          }
        }
      }
    }
    return false;
  };

  for (int i = 0; i <= form.LastLocation; ++i) {
    form.LocationTable[i].LocationNearEnemy = run.Usable(i) && near_enemy(i) ? "Y" : "N";
  }
}

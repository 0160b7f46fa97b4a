#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "campaign_data/geometry.h"

// Map locations in square cells of a fixed size, so that the locations within a distance of a
// point are found by looking at the few cells around it instead of at every location.
class LocationGrid {
 public:
  // `points[i]`: the whole-metre position of location i, nothing for one without a position.
  LocationGrid(const std::vector<std::optional<WholeMetrePoint>>& points, long long cell_size);

  // Calls visit(index) for every location whose cell meets the square of half-side `radius`
  // around the point: every location within `radius` of it and some further ones, in no order.
  template <typename Visit>
  void ForEachNear(const WholeMetrePoint& point, long long radius, Visit visit) const {
    const long long first_x = CellOf(point.x - radius);
    const long long last_x = CellOf(point.x + radius);
    const long long first_y = CellOf(point.y - radius);
    const long long last_y = CellOf(point.y + radius);
    for (long long cx = first_x; cx <= last_x; ++cx) {
      for (long long cy = first_y; cy <= last_y; ++cy) {
        const auto cell = cells_.find(Key(cx, cy));
        if (cell == cells_.end()) continue;
        for (const int index : cell->second) visit(index);
      }
    }
  }

 private:
  long long CellOf(long long coordinate) const;
  static std::uint64_t Key(long long cx, long long cy);

  long long cell_size_;
  std::unordered_map<std::uint64_t, std::vector<int>> cells_;
};

// Trunc of the straight-line distance in whole metres.
long long StraightDistance(const WholeMetrePoint& a, const WholeMetrePoint& b);

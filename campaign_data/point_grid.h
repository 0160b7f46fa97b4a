#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "campaign_data/geometry.h"

// The smallest box holding every point of a non-empty list of points with whole-metre x and y.
struct MetreBox {
  long long min_x, min_y, max_x, max_y;
};

template <typename Points>
MetreBox BoxAround(const Points& points) {
  MetreBox box{points.front().x, points.front().y, points.front().x, points.front().y};
  for (const auto& point : points) {
    box.min_x = std::min(box.min_x, point.x);
    box.min_y = std::min(box.min_y, point.y);
    box.max_x = std::max(box.max_x, point.x);
    box.max_y = std::max(box.max_y, point.y);
  }
  return box;
}

// Points of a fixed list bucketed into square cells, to count the points of a disk without
// measuring each one: a cell wholly inside the disk counts whole, a cell wholly outside not at
// all, and only the points of the cells across its edge are measured.
class PointGrid {
 public:
  explicit PointGrid(const std::vector<WholeMetrePoint>& points);

  // How many points k `inside(k)` holds for, where `inside` holds for every point whose squared
  // whole metres from `centre` are below `surely_within` and for none above `surely_beyond`.
  template <typename Inside>
  long long CountInDisk(const WholeMetrePoint& centre, long long surely_within,
                        long long surely_beyond, Inside&& inside) const;

 private:
  // Squares of coordinates, and of the distances between them, stay exact below this.
  static constexpr long long kExactAxis = 1LL << 26;

  struct Box {
    long long near_squared;  // squared metres from the centre to the box's nearest point
    long long far_squared;   // and to its farthest
  };
  Box CellBox(const WholeMetrePoint& centre, int column, int row) const;
  // The columns of a row that may hold a point no farther than sqrt(surely_beyond) from the
  // centre; first > last when none can.
  struct ColumnSpan {
    int first;
    int last;
  };
  ColumnSpan ColumnsNotBeyond(const WholeMetrePoint& centre, int row,
                              long long surely_beyond) const;

  template <typename Inside>
  long long CountMeasured(int first_entry, int end_entry, Inside& inside) const;

  bool measured_one_by_one_ = true;  // points too far apart to square their distances
  long long min_x_ = 0;
  long long min_y_ = 0;
  long long cell_metres_ = 1;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<int> cell_starts_;  // entries of each cell, row by row, and one past the last
  std::vector<int> entries_;      // point indices, cell by cell
  int points_ = 0;
};

template <typename Inside>
long long PointGrid::CountMeasured(int first_entry, int end_entry, Inside& inside) const {
  long long count = 0;
  for (int e = first_entry; e < end_entry; ++e) {
    count += inside(entries_[static_cast<size_t>(e)]) ? 1 : 0;
  }
  return count;
}

template <typename Inside>
long long PointGrid::CountInDisk(const WholeMetrePoint& centre, long long surely_within,
                                 long long surely_beyond, Inside&& inside) const {
  const bool centre_near = centre.x - min_x_ < kExactAxis && min_x_ - centre.x < kExactAxis &&
                           centre.y - min_y_ < kExactAxis && min_y_ - centre.y < kExactAxis;
  if (measured_one_by_one_ || !centre_near) {
    long long count = 0;
    for (int k = 0; k < points_; ++k) count += inside(k) ? 1 : 0;
    return count;
  }
  long long count = 0;
  for (int row = 0; row < rows_; ++row) {
    const ColumnSpan span = ColumnsNotBeyond(centre, row, surely_beyond);
    for (int column = span.first; column <= span.last; ++column) {
      const int cell = row * columns_ + column;
      const int first = cell_starts_[static_cast<size_t>(cell)];
      const int end = cell_starts_[static_cast<size_t>(cell) + 1];
      if (first == end) continue;
      const Box box = CellBox(centre, column, row);
      if (box.far_squared < surely_within) {
        count += end - first;
      } else if (box.near_squared <= surely_beyond) {
        count += CountMeasured(first, end, inside);
      }
    }
  }
  return count;
}

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
  // The columns of a row whose cells lie wholly below sqrt(surely_within) from the centre: they
  // run side by side, so their points are counted at once. first > last when there are none.
  ColumnSpan ColumnsSurelyWithin(const WholeMetrePoint& centre, int row,
                                 long long surely_within) const;
  // Counts the points of one cell of the row that is not wholly within.
  template <typename Inside>
  long long CountCellAcrossEdge(const WholeMetrePoint& centre, int row, int column,
                                long long surely_within, long long surely_beyond,
                                Inside& inside) const;

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
    if (span.first > span.last) continue;
    ColumnSpan within = ColumnsSurelyWithin(centre, row, surely_within);
    within.first = std::max(within.first, span.first);
    within.last = std::min(within.last, span.last);
    if (within.first > within.last) within = {span.last + 1, span.last};
    // Cells are numbered row by row, so the wholly covered run is one stretch of entries.
    const size_t row_start = static_cast<size_t>(row) * static_cast<size_t>(columns_);
    count += cell_starts_[row_start + static_cast<size_t>(within.last) + 1] -
             cell_starts_[row_start + static_cast<size_t>(within.first)];
    for (int column = span.first; column < within.first; ++column) {
      count += CountCellAcrossEdge(centre, row, column, surely_within, surely_beyond, inside);
    }
    for (int column = within.last + 1; column <= span.last; ++column) {
      count += CountCellAcrossEdge(centre, row, column, surely_within, surely_beyond, inside);
    }
  }
  return count;
}

template <typename Inside>
long long PointGrid::CountCellAcrossEdge(const WholeMetrePoint& centre, int row, int column,
                                         long long surely_within, long long surely_beyond,
                                         Inside& inside) const {
  const size_t cell =
      static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column);
  const int first = cell_starts_[cell];
  const int end = cell_starts_[cell + 1];
  if (first == end) return 0;
  const Box box = CellBox(centre, column, row);
  if (box.far_squared < surely_within) return end - first;
  if (box.near_squared <= surely_beyond) return CountMeasured(first, end, inside);
  return 0;
}

#include "campaign_data/point_grid.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kPointsPerCell = 8;

long long Squared(long long metres) {
  return metres * metres;
}

// Metres from a coordinate to the nearest and farthest of first..last.
long long NearGap(long long at, long long first, long long last) {
  return at < first ? first - at : at > last ? at - last : 0;
}

long long FarGap(long long at, long long first, long long last) {
  return std::max(std::llabs(at - first), std::llabs(last - at));
}

// The largest whole number whose square is at most `value` (0 or more).
long long WholeRoot(long long value) {
  long long root = static_cast<long long>(std::sqrt(static_cast<double>(value)));
  while (root > 0 && root * root > value) --root;
  while ((root + 1) * (root + 1) <= value) ++root;
  return root;
}

// Rounded down and up, for metres left of the grid's origin too.
long long FloorDivide(long long metres, long long cell) {
  return metres >= 0 ? metres / cell : -((-metres + cell - 1) / cell);
}

long long CeilDivide(long long metres, long long cell) {
  return -FloorDivide(-metres, cell);
}

}  // namespace

PointGrid::PointGrid(const std::vector<WholeMetrePoint>& points)
    : points_(static_cast<int>(points.size())) {
  if (points.empty()) return;
  const MetreBox box = BoxAround(points);
  min_x_ = box.min_x;
  min_y_ = box.min_y;
  const long long max_x = box.max_x;
  const long long max_y = box.max_y;
  if (max_x - min_x_ >= kExactAxis || max_y - min_y_ >= kExactAxis) return;
  measured_one_by_one_ = false;

  const int side = std::max(1, static_cast<int>(std::sqrt(points.size() / kPointsPerCell)));
  const long long span = std::max(max_x - min_x_, max_y - min_y_) + 1;
  cell_metres_ = (span + side - 1) / side;
  columns_ = static_cast<int>((max_x - min_x_) / cell_metres_) + 1;
  rows_ = static_cast<int>((max_y - min_y_) / cell_metres_) + 1;

  const auto cell_of = [&](const WholeMetrePoint& point) {
    return static_cast<size_t>((point.y - min_y_) / cell_metres_ * columns_ +
                               (point.x - min_x_) / cell_metres_);
  };
  cell_starts_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_) + 1, 0);
  for (const WholeMetrePoint& point : points) ++cell_starts_[cell_of(point) + 1];
  for (size_t cell = 1; cell < cell_starts_.size(); ++cell) {
    cell_starts_[cell] += cell_starts_[cell - 1];
  }
  entries_.resize(points.size());
  std::vector<int> filled(cell_starts_.begin(), cell_starts_.end() - 1);
  for (int k = 0; k < points_; ++k) {
    entries_[static_cast<size_t>(filled[cell_of(points[static_cast<size_t>(k)])]++)] = k;
  }
}

PointGrid::Box PointGrid::CellBox(const WholeMetrePoint& centre, int column, int row) const {
  const long long x0 = min_x_ + column * cell_metres_;
  const long long y0 = min_y_ + row * cell_metres_;
  const long long x1 = x0 + cell_metres_ - 1;
  const long long y1 = y0 + cell_metres_ - 1;
  return {Squared(NearGap(centre.x, x0, x1)) + Squared(NearGap(centre.y, y0, y1)),
          Squared(FarGap(centre.x, x0, x1)) + Squared(FarGap(centre.y, y0, y1))};
}

PointGrid::ColumnSpan PointGrid::ColumnsNotBeyond(const WholeMetrePoint& centre, int row,
                                                  long long surely_beyond) const {
  const long long y0 = min_y_ + row * cell_metres_;
  const long long row_gap = Squared(NearGap(centre.y, y0, y0 + cell_metres_ - 1));
  if (row_gap > surely_beyond) return {0, -1};
  // A metre more than the root of what is left, so that no column that may count is missed.
  const long long reach =
      static_cast<long long>(std::sqrt(static_cast<double>(surely_beyond - row_gap))) + 1;
  const long long first = std::max(centre.x - reach - min_x_, 0LL) / cell_metres_;
  const long long last = centre.x + reach - min_x_;
  if (last < 0) return {0, -1};
  return {static_cast<int>(std::min<long long>(first, columns_)),
          static_cast<int>(std::min<long long>(last / cell_metres_, columns_ - 1))};
}

PointGrid::ColumnSpan PointGrid::ColumnsSurelyWithin(const WholeMetrePoint& centre, int row,
                                                     long long surely_within) const {
  const long long y0 = min_y_ + row * cell_metres_;
  const long long left = surely_within - Squared(FarGap(centre.y, y0, y0 + cell_metres_ - 1));
  if (left <= 0) return {0, -1};
  // A cell x0..x1 is wholly within when both its ends are no farther than `reach` from the
  // centre on the x axis, the largest whole gap whose square stays below what is left.
  const long long reach = WholeRoot(left - 1);
  const long long first = CeilDivide(centre.x - reach - min_x_, cell_metres_);
  const long long last = FloorDivide(centre.x + reach - min_x_ - (cell_metres_ - 1), cell_metres_);
  if (last < 0 || first >= columns_ || first > last) return {0, -1};
  return {static_cast<int>(std::max(first, 0LL)),
          static_cast<int>(std::min<long long>(last, columns_ - 1))};
}

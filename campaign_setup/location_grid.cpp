#include "campaign_setup/location_grid.h"

#include <algorithm>
#include <cmath>

LocationGrid::LocationGrid(const std::vector<std::optional<WholeMetrePoint>>& points,
                           long long cell_size)
    : cell_size_(std::max(cell_size, 1LL)) {
  for (size_t i = 0; i < points.size(); ++i) {
    if (!points[i]) continue;
    cells_[Key(CellOf(points[i]->x), CellOf(points[i]->y))].push_back(static_cast<int>(i));
  }
}

long long LocationGrid::CellOf(long long coordinate) const {
  // Rounds down for negative coordinates too, so neighbouring cells never overlap.
  long long cell = coordinate / cell_size_;
  if (coordinate % cell_size_ != 0 && coordinate < 0) --cell;
  return cell;
}

std::uint64_t LocationGrid::Key(long long cx, long long cy) {
  return (static_cast<std::uint64_t>(cx) << 32) ^ (static_cast<std::uint64_t>(cy) & 0xffffffffULL);
}

long long StraightDistance(const WholeMetrePoint& a, const WholeMetrePoint& b) {
  const double dx = static_cast<double>(a.x - b.x);
  const double dy = static_cast<double>(a.y - b.y);
  return static_cast<long long>(std::sqrt(dx * dx + dy * dy));
}

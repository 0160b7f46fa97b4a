#include "campaign_data/nearest_location.h"

#include <algorithm>
#include <cmath>

#include "campaign_data/point_grid.h"
#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

constexpr long long kNoDistance = 999999999;
constexpr double kPointsPerCell = 2.0;

long long Clamp(long long value, long long low, long long high) {
  return std::max(low, std::min(value, high));
}

// How far `value` lies outside low..high, 0 inside.
double Outside(long long value, long long low, long long high) {
  if (value < low) return static_cast<double>(low - value);
  if (value > high) return static_cast<double>(value - high);
  return 0;
}

}  // namespace

NearestLocationIndex::NearestLocationIndex(const LocationTableType& table, int last_location,
                                           std::string_view excluded_word) {
  for (int j = 0; j <= last_location; ++j) {
    const LocationEntry& location = table[j];
    const bool excluded = !excluded_word.empty() && Contains(location.LocationName, excluded_word);
    if (location.LocationPosition.empty()) {
      if (!excluded && first_without_position_ < 0) first_without_position_ = j;
      continue;
    }
    // Every location is measured, an excluded one too, so a malformed position always counts.
    has_position_ = true;
    try {
      const WholeMetrePoint at = ReadWholeMetres(location.LocationPosition);
      if (!excluded) points_.push_back(Point{at.x, at.y, j});
    } catch (const ConversionError& error) {
      if (malformed_position_error_.empty()) {
        malformed_position_error_ =
            "Location " + location.LocationName + ": " + std::string(error.what());
      }
    }
  }
  if (!points_.empty()) BuildGrid();
}

// Square cells of about two points each over the box of the points, and the points sorted by
// cell, keeping index order within a cell.
void NearestLocationIndex::BuildGrid() {
  const MetreBox box = BoxAround(points_);
  min_x_ = box.min_x;
  min_y_ = box.min_y;
  const long long max_x = box.max_x;
  const long long max_y = box.max_y;
  const double width = static_cast<double>(max_x - min_x_) + 1;
  const double height = static_cast<double>(max_y - min_y_) + 1;
  const double cells = std::max(1.0, static_cast<double>(points_.size()) / kPointsPerCell);
  // A map drawn along a line gets cells along its length.
  const double side =
      std::max({std::sqrt(width * height / cells), std::max(width, height) / cells, 1.0});
  cell_size_ = static_cast<long long>(std::ceil(side));
  columns_ = static_cast<int>((max_x - min_x_) / cell_size_) + 1;
  rows_ = static_cast<int>((max_y - min_y_) / cell_size_) + 1;

  cell_starts_.assign(static_cast<size_t>(columns_) * rows_ + 1, 0);
  auto cell_of = [this](const Point& point) {
    return static_cast<size_t>(CellRow(point.y)) * columns_ + CellColumn(point.x);
  };
  for (const Point& point : points_) ++cell_starts_[cell_of(point) + 1];
  for (size_t c = 1; c < cell_starts_.size(); ++c) cell_starts_[c] += cell_starts_[c - 1];
  std::vector<Point> sorted(points_.size());
  std::vector<int> next = cell_starts_;
  for (const Point& point : points_) sorted[static_cast<size_t>(next[cell_of(point)]++)] = point;
  points_ = std::move(sorted);
}

int NearestLocationIndex::CellColumn(long long x) const {
  return static_cast<int>(Clamp((x - min_x_) / cell_size_, 0, columns_ - 1));
}

int NearestLocationIndex::CellRow(long long y) const {
  return static_cast<int>(Clamp((y - min_y_) / cell_size_, 0, rows_ - 1));
}

void NearestLocationIndex::SearchCell(int column, int row, const WholeMetrePoint& from,
                                      Best& best) const {
  const long long left = min_x_ + column * cell_size_;
  const long long bottom = min_y_ + row * cell_size_;
  const double gap_x = Outside(from.x, left, left + cell_size_ - 1);
  const double gap_y = Outside(from.y, bottom, bottom + cell_size_ - 1);
  // A whole-metre distance equal to the best may still win on its lower index, so only a
  // clear margin (of a metre more than rounding could hide) skips the cell.
  if (std::sqrt(gap_x * gap_x + gap_y * gap_y) >= static_cast<double>(best.distance) + 2) return;
  const size_t cell = static_cast<size_t>(row) * columns_ + column;
  for (int i = cell_starts_[cell]; i < cell_starts_[cell + 1]; ++i) {
    const Point& point = points_[static_cast<size_t>(i)];
    const long long distance = WholeMetreDistance(point.x - from.x, point.y - from.y);
    if (distance < best.distance ||
        (distance == best.distance && best.index >= 0 && point.index < best.index)) {
      best = Best{distance, point.index};
    }
  }
}

int NearestLocationIndex::Nearest(std::string_view position) const {
  if (!malformed_position_error_.empty()) throw ConversionError(malformed_position_error_);
  // The position is read as soon as one location has a position to measure it against.
  const WholeMetrePoint from = has_position_ ? ReadWholeMetres(position) : WholeMetrePoint{};
  if (first_without_position_ >= 0) return first_without_position_;
  if (points_.empty()) return -1;
  Best best{kNoDistance, -1};
  const int column = CellColumn(from.x);
  const int row = CellRow(from.y);
  // Ring r holds the cells r steps from the position's own (or nearest) cell; every point
  // beyond it lies at least r whole cells away.
  const int rings = std::max(columns_, rows_);
  for (int r = 0; r < rings; ++r) {
    if (r > 0 && static_cast<double>(r - 1) * static_cast<double>(cell_size_) >=
                     static_cast<double>(best.distance) + 2) {
      break;
    }
    for (int c = std::max(column - r, 0); c <= std::min(column + r, columns_ - 1); ++c) {
      const bool side_column = c == column - r || c == column + r;
      if (side_column) {
        for (int w = std::max(row - r, 0); w <= std::min(row + r, rows_ - 1); ++w) {
          SearchCell(c, w, from, best);
        }
      } else {
        if (row - r >= 0) SearchCell(c, row - r, from, best);
        if (row + r < rows_) SearchCell(c, row + r, from, best);
      }
    }
  }
  return best.index;
}

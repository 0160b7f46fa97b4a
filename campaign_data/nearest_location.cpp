#include "campaign_data/nearest_location.h"

#include <algorithm>

#include "campaign_data/text.h"
#include "platform/errors.h"

namespace {

constexpr long long kNoDistance = 999999999;
constexpr int kLeafSize = 8;

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
  // Locations at one spot answer alike for every position: the lowest index stands for all.
  std::stable_sort(points_.begin(), points_.end(), [](const Point& a, const Point& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  });
  points_.erase(
      std::unique(points_.begin(), points_.end(),
                  [](const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }),
      points_.end());
  if (!points_.empty()) root_ = Build(0, static_cast<int>(points_.size()));
}

int NearestLocationIndex::Build(int begin, int end) {
  const int id = static_cast<int>(nodes_.size());
  nodes_.push_back(Node{begin, end});
  if (end - begin <= kLeafSize) return id;

  long long min_x = points_[begin].x, max_x = min_x, min_y = points_[begin].y, max_y = min_y;
  for (int i = begin + 1; i < end; ++i) {
    min_x = std::min(min_x, points_[i].x);
    max_x = std::max(max_x, points_[i].x);
    min_y = std::min(min_y, points_[i].y);
    max_y = std::max(max_y, points_[i].y);
  }
  const bool on_x = max_x - min_x >= max_y - min_y;
  const int middle = begin + (end - begin) / 2;
  std::nth_element(points_.begin() + begin, points_.begin() + middle, points_.begin() + end,
                   [on_x](const Point& a, const Point& b) { return on_x ? a.x < b.x : a.y < b.y; });
  const long long split = on_x ? points_[middle].x : points_[middle].y;
  const int left = Build(begin, middle);
  const int right = Build(middle, end);
  Node& node = nodes_[id];
  node.left = left;
  node.right = right;
  node.split_on_x = on_x;
  node.split = split;
  return id;
}

void NearestLocationIndex::Search(int id, const WholeMetrePoint& from, Best& best) const {
  const Node& node = nodes_[id];
  if (node.left < 0) {
    for (int i = node.begin; i < node.end; ++i) {
      const Point& point = points_[i];
      const long long distance = WholeMetreDistance(point.x - from.x, point.y - from.y);
      if (distance < best.distance ||
          (distance == best.distance && best.index >= 0 && point.index < best.index)) {
        best = Best{distance, point.index};
      }
    }
    return;
  }
  // Left holds coordinates up to the split, right from the split on.
  const long long offset = (node.split_on_x ? from.x : from.y) - node.split;
  const int near = offset < 0 ? node.left : node.right;
  const int far = offset < 0 ? node.right : node.left;
  Search(near, from, best);
  // Every point beyond the split lies at least |offset| metres away; a whole-metre distance
  // equal to the best may still win on its lower index, so only a clear margin prunes.
  const long long gap = offset < 0 ? -offset : offset;
  if (gap <= best.distance + 1) Search(far, from, best);
}

int NearestLocationIndex::Nearest(std::string_view position) const {
  if (!malformed_position_error_.empty()) throw ConversionError(malformed_position_error_);
  // The position is read as soon as one location has a position to measure it against.
  const WholeMetrePoint from = has_position_ ? ReadWholeMetres(position) : WholeMetrePoint{};
  if (first_without_position_ >= 0) return first_without_position_;
  if (root_ < 0) return -1;
  Best best{kNoDistance, -1};
  Search(root_, from, best);
  return best.index;
}

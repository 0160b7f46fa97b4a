#include "campaign_progression/nearest_owned_place.h"

#include <algorithm>
#include <cmath>

namespace {

int Middle(int begin, int end) {
  return begin + (end - begin) / 2;
}

bool SplitsOnX(int depth) {
  return depth % 2 == 0;
}

}  // namespace

long long NearestOwnedPlace::Distance(long long x1, long long y1, long long x2, long long y2) {
  const double dx = static_cast<double>(x2 - x1);
  const double dy = static_cast<double>(y2 - y1);
  return static_cast<long long>(std::sqrt(dx * dx + dy * dy));
}

void NearestOwnedPlace::Add(long long x, long long y, int index, bool on) {
  places_.push_back({x, y, index, on});
}

void NearestOwnedPlace::Build() {
  BuildRange(0, static_cast<int>(places_.size()), 0);
  int highest = -1;
  for (const Place& place : places_) highest = std::max(highest, place.index);
  position_of_.assign(static_cast<size_t>(highest + 1), -1);
  for (size_t p = 0; p < places_.size(); ++p) {
    position_of_[static_cast<size_t>(places_[p].index)] = static_cast<int>(p);
  }
  on_below_.assign(places_.size(), 0);
  CountOn(0, static_cast<int>(places_.size()));
}

void NearestOwnedPlace::Clear() {
  places_.clear();
  on_below_.clear();
  position_of_.clear();
}

void NearestOwnedPlace::BuildRange(int begin, int end, int depth) {
  if (end - begin <= 1) return;
  const int middle = Middle(begin, end);
  const bool on_x = SplitsOnX(depth);
  std::nth_element(places_.begin() + begin, places_.begin() + middle, places_.begin() + end,
                   [on_x](const Place& a, const Place& b) { return on_x ? a.x < b.x : a.y < b.y; });
  BuildRange(begin, middle, depth + 1);
  BuildRange(middle + 1, end, depth + 1);
}

int NearestOwnedPlace::CountOn(int begin, int end) {
  if (begin >= end) return 0;
  const int middle = Middle(begin, end);
  on_below_[middle] =
      (places_[middle].on ? 1 : 0) + CountOn(begin, middle) + CountOn(middle + 1, end);
  return on_below_[middle];
}

void NearestOwnedPlace::Switch(int index, bool on) {
  if (index < 0 || index >= static_cast<int>(position_of_.size())) return;
  const int position = position_of_[index];
  if (position < 0 || places_[position].on == on) return;
  places_[position].on = on;
  const int change = on ? 1 : -1;
  int begin = 0;
  int end = static_cast<int>(places_.size());
  while (begin < end) {
    const int middle = Middle(begin, end);
    on_below_[middle] += change;
    if (position == middle) return;
    if (position < middle) {
      end = middle;
    } else {
      begin = middle + 1;
    }
  }
}

int NearestOwnedPlace::Nearest(long long x, long long y) const {
  Best best{-1, -1};
  Search(0, static_cast<int>(places_.size()), 0, x, y, best);
  return best.index;
}

void NearestOwnedPlace::Search(int begin, int end, int depth, long long x, long long y,
                               Best& best) const {
  if (begin >= end) return;
  const int middle = Middle(begin, end);
  if (on_below_[middle] == 0) return;
  const Place& place = places_[middle];
  if (place.on) {
    const long long distance = Distance(x, y, place.x, place.y);
    if (best.index < 0 || distance < best.distance ||
        (distance == best.distance && place.index < best.index)) {
      best = {distance, place.index};
    }
  }
  const bool on_x = SplitsOnX(depth);
  const long long gap = on_x ? x - place.x : y - place.y;
  const bool near_is_left = gap < 0;
  const int near_begin = near_is_left ? begin : middle + 1;
  const int near_end = near_is_left ? middle : end;
  const int far_begin = near_is_left ? middle + 1 : begin;
  const int far_end = near_is_left ? end : middle;
  Search(near_begin, near_end, depth + 1, x, y, best);
  // Every place across the split lies at least |gap| whole metres away; one just as far as the
  // best may still win on its lower index.
  if (best.index < 0 || std::llabs(gap) <= best.distance) {
    Search(far_begin, far_end, depth + 1, x, y, best);
  }
}

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "campaign_data/geometry.h"
#include "campaign_data/location_table.h"

// The map location nearest to a position, by whole-metre distance from the location's position,
// among locations 0..last_location whose name does not contain the excluded word. A location
// without a position lies at distance 0. Ties keep the lowest index; a location 999999999 m
// or more away is never the nearest. The answer is what measuring every location in index
// order and keeping the first strictly smaller distance gives, found through a k-d tree.
class NearestLocationIndex {
 public:
  NearestLocationIndex(const LocationTableType& table, int last_location,
                       std::string_view excluded_word);

  // The index of the nearest location, -1 when there is none. Throws ConversionError for a
  // malformed position, the given one or that of a location.
  int Nearest(std::string_view position) const;

 private:
  struct Point {
    long long x;
    long long y;
    int index;
  };
  struct Node {
    int begin;
    int end;
    int left = -1;  // children; -1 for a leaf
    int right = -1;
    bool split_on_x = true;
    long long split = 0;
  };
  struct Best {
    long long distance;
    int index;
  };

  int Build(int begin, int end);
  void Search(int node, const WholeMetrePoint& from, Best& best) const;

  std::vector<Point> points_;
  std::vector<Node> nodes_;
  int root_ = -1;
  int first_without_position_ = -1;
  bool has_position_ = false;
  std::string malformed_position_error_;
};

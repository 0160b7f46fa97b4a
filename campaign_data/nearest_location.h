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
// order and keeping the first strictly smaller distance gives, found through a grid of cells
// searched outwards from the position's cell.
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
  struct Best {
    long long distance;
    int index;
  };

  void BuildGrid();
  int CellColumn(long long x) const;
  int CellRow(long long y) const;
  void SearchCell(int column, int row, const WholeMetrePoint& from, Best& best) const;

  std::vector<Point> points_;     // by cell, row after row, in index order within a cell
  std::vector<int> cell_starts_;  // where each cell's points begin in points_, one past the end
  long long min_x_ = 0;
  long long min_y_ = 0;
  long long cell_size_ = 1;
  int columns_ = 0;
  int rows_ = 0;
  int first_without_position_ = -1;
  bool has_position_ = false;
  std::string malformed_position_error_;
};

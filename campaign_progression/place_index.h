#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class TMainForm;

// The map's locations by name, built once per operation so that the rules that look a place up
// by its name do not walk the whole location table for every column or object.
class PlaceIndex {
 public:
  explicit PlaceIndex(TMainForm& form);

  // The lowest index of a location with this exact name; -1 when none.
  int Find(const std::string& name) const;
  bool Has(const std::string& name) const { return Find(name) >= 0; }
  // The same answer as OffMapCheck: "Y" when a location of this name lies off the map.
  bool OffMap(const std::string& name) const;

 private:
  struct Place {
    int first;     // the lowest index with the name
    bool off_map;  // any location of the name lies off the map
  };
  std::unordered_map<std::string, Place> places_;
};

// The columns standing at each place, in index order.
class ColumnsByPlace {
 public:
  explicit ColumnsByPlace(const TMainForm& form);
  const std::vector<int>& At(const std::string& place) const;

 private:
  std::unordered_map<std::string, std::vector<int>> columns_;
};

#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TMainForm;

// The map's locations by name, so that the rules that look a place up by its name do not walk
// the whole location table for every column or object. The form keeps one (CurrentPlaces) and
// builds it again only when a name or an off-map mark of locations 0..LastLocation differs from
// the last build: most steps of a pass change neither.
class PlaceIndex {
 public:
  PlaceIndex() = default;
  explicit PlaceIndex(const TMainForm& form) { Refresh(form); }
  // A copy starts unbuilt: the keys are views of the index's own copy of the names.
  PlaceIndex(const PlaceIndex&) {}
  PlaceIndex& operator=(const PlaceIndex& other) {
    if (this != &other) *this = PlaceIndex();
    return *this;
  }
  // A move keeps the names' storage, and so the keys' views.
  PlaceIndex(PlaceIndex&&) noexcept = default;
  PlaceIndex& operator=(PlaceIndex&&) noexcept = default;

  // Up to date with the form's locations 0..LastLocation.
  void Refresh(const TMainForm& form);

  // The lowest index of a location with this exact name; -1 when none.
  int Find(std::string_view name) const;
  bool Has(std::string_view name) const { return Find(name) >= 0; }
  // The same answer as OffMapCheck: "Y" when a location of this name lies off the map.
  bool OffMap(std::string_view name) const;
  // A location whose name, trimmed, is `trimmed` (itself trimmed).
  bool HasTrimmed(std::string_view trimmed) const {
    return places_.count(trimmed) > 0 || untrimmed_.count(trimmed) > 0;
  }
  // OffMap of the name of location `index` (0..LastLocation as last refreshed).
  bool OffMapAt(int index) const { return off_map_at_[static_cast<size_t>(index)] != 0; }

 private:
  struct Place {
    int first;     // the lowest index with the name
    bool off_map;  // any location of the name lies off the map
  };

  bool Same(const TMainForm& form, bool british_bases_on_map) const;
  void Build(const TMainForm& form, bool british_bases_on_map);

  // What the last build saw, by location index.
  std::vector<std::string> names_;
  std::vector<char> marked_off_map_;  // the location's own off-map mark is "Y"
  bool british_bases_on_map_ = false;
  bool built_ = false;
  // Keys are views of names_, which only a build changes.
  std::unordered_map<std::string_view, Place> places_;
  std::vector<char> off_map_at_;
  // The names that trimming changes, trimmed (views of names_).
  std::unordered_set<std::string_view> untrimmed_;
};

// The form's place index, brought up to date with its location table.
const PlaceIndex& CurrentPlaces(TMainForm& form);

// The columns standing at each place, in index order.
class ColumnsByPlace {
 public:
  explicit ColumnsByPlace(const TMainForm& form);
  const std::vector<int>& At(const std::string& place) const;

 private:
  std::unordered_map<std::string, std::vector<int>> columns_;
};

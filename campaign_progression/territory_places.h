#pragma once

#include <string>
#include <vector>

#include "campaign_data/geometry.h"
#include "campaign_data/location_table.h"
#include "campaign_progression/nearest_owned_place.h"

// What the owner rules need to know of the map's places apart from their owners: the kind of
// each place, told from its name, its position in whole metres, and the search tree over the
// places whose owners the land around them takes. All of it follows from the names and
// positions alone, so it is kept and used again while they stay the same: a campaign load sets
// the owners twice, and every load of one map builds the same places.
class TerritoryPlaces {
 public:
  // Up to date with locations 0..last of `table`; built again only when a name or a position
  // differs from the last time.
  void Refresh(const LocationTableType& table, int last);

  // Of the locations as the last Refresh saw them:
  bool AnyTakesOwner() const { return any_takes_owner_; }
  // The indexes whose positions are not two numbers, lowest first.
  const std::vector<int>& Unreadable() const { return unreadable_; }
  // The indexes whose owners the rules after the first guess may change (the places that take
  // their surroundings' owner, the sea nodes and the places with a fixed owner), lowest first.
  const std::vector<int>& Ruled() const { return ruled_; }
  bool TakesOwner(int index) const { return Has(index, kTakesOwner); }
  bool IsSea(int index) const { return Has(index, kSea); }
  bool Readable(int index) const { return !Has(index, kUnreadable); }
  const WholeMetrePoint& Point(int index) const { return points_[static_cast<size_t>(index)]; }
  // Every readable place that judges its surroundings, under its location index.
  NearestOwnedPlace& Judges() { return judges_; }

 private:
  enum Kind : unsigned char {
    kTakesOwner = 1,
    kJudges = 2,
    kSea = 4,
    kFixedOwner = 8,
    kUnreadable = 16,
  };

  bool Has(int index, Kind kind) const { return (kinds_[static_cast<size_t>(index)] & kind) != 0; }
  bool Same(const LocationTableType& table, int last) const;
  void Build(const LocationTableType& table, int last);

  std::vector<std::string> names_;
  std::vector<std::string> positions_;
  std::vector<unsigned char> kinds_;
  std::vector<WholeMetrePoint> points_;
  std::vector<int> unreadable_;
  std::vector<int> ruled_;
  bool any_takes_owner_ = false;
  NearestOwnedPlace judges_;
};

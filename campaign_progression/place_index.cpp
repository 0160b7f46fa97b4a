#include "campaign_progression/place_index.h"

#include <algorithm>

#include "app/main_form.h"
#include "campaign_data/text.h"

namespace {

bool BritishBasesOnMap(const TMainForm& form) {
  return form.NormandyBaseOption && form.MapName == "Normandy";
}

}  // namespace

void PlaceIndex::Refresh(const TMainForm& form) {
  const bool british_bases_on_map = BritishBasesOnMap(form);
  if (!Same(form, british_bases_on_map)) Build(form, british_bases_on_map);
}

bool PlaceIndex::Same(const TMainForm& form, bool british_bases_on_map) const {
  if (!built_ || british_bases_on_map != british_bases_on_map_ ||
      static_cast<size_t>(std::max(form.LastLocation + 1, 0)) != names_.size()) {
    return false;
  }
  for (size_t i = 0; i < names_.size(); ++i) {
    const LocationEntry& location = form.LocationTable[static_cast<int>(i)];
    if (location.LocationName != names_[i] ||
        (location.LocationOffMap == "Y") != (marked_off_map_[i] != 0)) {
      return false;
    }
  }
  return true;
}

void PlaceIndex::Build(const TMainForm& form, bool british_bases_on_map) {
  const size_t count = static_cast<size_t>(std::max(form.LastLocation + 1, 0));
  british_bases_on_map_ = british_bases_on_map;
  built_ = true;
  places_.clear();
  untrimmed_.clear();
  names_.clear();
  names_.reserve(count);
  marked_off_map_.assign(count, 0);
  for (size_t i = 0; i < count; ++i) {
    const LocationEntry& location = form.LocationTable[static_cast<int>(i)];
    names_.push_back(location.LocationName);
    marked_off_map_[i] = location.LocationOffMap == "Y" ? 1 : 0;
  }
  places_.reserve(count);
  std::vector<Place*> place_of(count);
  for (size_t i = 0; i < count; ++i) {
    const std::string_view name = names_[i];
    Place& place = places_.try_emplace(name, Place{static_cast<int>(i), false}).first->second;
    place_of[i] = &place;
    const std::string_view trimmed = TrimView(name);
    if (trimmed.size() != name.size()) untrimmed_.insert(trimmed);
    if (marked_off_map_[i] == 0) continue;
    if (british_bases_on_map && Contains(name, "English_")) continue;
    place.off_map = true;
  }
  off_map_at_.resize(count);
  for (size_t i = 0; i < count; ++i) off_map_at_[i] = place_of[i]->off_map ? 1 : 0;
}

int PlaceIndex::Find(std::string_view name) const {
  const auto found = places_.find(name);
  return found == places_.end() ? -1 : found->second.first;
}

bool PlaceIndex::OffMap(std::string_view name) const {
  const auto found = places_.find(name);
  return found != places_.end() && found->second.off_map;
}

const PlaceIndex& CurrentPlaces(TMainForm& form) {
  form.Places.Refresh(form);
  return form.Places;
}

ColumnsByPlace::ColumnsByPlace(const TMainForm& form) {
  for (int c = 0; c <= form.LastColumn; ++c) {
    columns_[form.ColumnTable[c].ColumnPlace].push_back(c);
  }
}

const std::vector<int>& ColumnsByPlace::At(const std::string& place) const {
  static const std::vector<int> kNone;
  const auto found = columns_.find(place);
  return found == columns_.end() ? kNone : found->second;
}

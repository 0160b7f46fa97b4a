#include "campaign_progression/place_index.h"

#include <algorithm>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/text.h"

PlaceIndex::PlaceIndex(TMainForm& form) {
  const bool british_bases_on_map = form.NormandyBaseOption && form.MapName == "Normandy";
  places_.reserve(static_cast<size_t>(std::max(form.LastLocation + 1, 0)));
  for (int i = 0; i <= form.LastLocation; ++i) {
    const LocationEntry& location = std::as_const(form.LocationTable)[i];
    Place& place = places_.try_emplace(location.LocationName, Place{i, false}).first->second;
    if (location.LocationOffMap != "Y") continue;
    if (british_bases_on_map && Contains(location.LocationName, "English_")) continue;
    place.off_map = true;
  }
}

int PlaceIndex::Find(const std::string& name) const {
  const auto found = places_.find(name);
  return found == places_.end() ? -1 : found->second.first;
}

bool PlaceIndex::OffMap(const std::string& name) const {
  const auto found = places_.find(name);
  return found != places_.end() && found->second.off_map;
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

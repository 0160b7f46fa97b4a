#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "campaign_data/location_table.h"

inline constexpr std::string_view kFrontMarkerHeader = "[FrontMarker]\r\n";

// The mission's "[FrontMarker]" section, built while territory.tavrek is read: a marker on
// every held land place, two (one per side) on every contested one, and the patrol points.
class FrontMarkers {
 public:
  // The location of the next territory line. Every line takes a marker number, whether it
  // gets a marker or not; a contested place takes two.
  void AddLocation(const LocationEntry& location);
  // Points 1 to 3 of both sides' patrol areas, named FrontMarker9<side><point>.
  void AddPatrolAreas(const std::array<std::string, 24>& patrol_text);
  // Room for the markers of `locations` places, so the text is not moved as it grows.
  void Reserve(size_t locations) { text_.reserve(text_.size() + locations * kBytesPerPlace); }
  const std::string& Text() const { return text_; }
  std::string TakeText() { return std::move(text_); }

 private:
  static constexpr size_t kBytesPerPlace = 48;  // one marker line and a bit

  void AddMarker(const std::string& position, const char* side);

  std::string text_{kFrontMarkerHeader};
  int number_ = -1;
};

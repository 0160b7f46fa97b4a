#pragma once

#include <array>
#include <string>
#include <string_view>

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
  const std::string& Text() const { return text_; }

 private:
  void AddMarker(const std::string& position, const char* side);

  std::string text_{kFrontMarkerHeader};
  int number_ = -1;
};

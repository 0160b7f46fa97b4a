#include "campaign_progression/front_markers.h"

#include "campaign_data/text.h"
#include "campaign_progression/location_kinds.h"
#include "platform/text_file.h"

namespace {

constexpr int kPatrolEntries = 12;

}  // namespace

void FrontMarkers::AddLocation(const LocationEntry& location) {
  ++number_;
  if (!IsLandLocation(location.LocationName)) return;
  const std::string& owner = location.LocationArmy;
  if (owner != "0") {
    AddMarker(location.LocationPosition, owner.c_str());
    return;
  }
  AddMarker(location.LocationPosition, "1");
  ++number_;
  AddMarker(location.LocationPosition, "2");
}

void FrontMarkers::AddMarker(const std::string& position, const char* side) {
  text_ += "  FrontMarker";
  text_ += IntToStr(number_);
  text_ += ' ';
  text_ += position;
  text_ += ' ';
  text_ += side;
  text_ += kCrLf;
}

void FrontMarkers::AddPatrolAreas(const std::array<std::string, 24>& patrol_text) {
  for (int side = 1; side <= 2; ++side) {
    for (int point = 1; point <= 3; ++point) {
      const size_t x = static_cast<size_t>(2 + kPatrolEntries * (side - 1) + 2 * (point - 1));
      if (patrol_text[x].empty()) continue;
      text_ += "  FrontMarker9" + IntToStr(side) + IntToStr(point) + " " + Trim(patrol_text[x]) +
               ".00 " + Trim(patrol_text[x + 1]) + ".00 " + IntToStr(side);
      text_ += kCrLf;
    }
  }
}

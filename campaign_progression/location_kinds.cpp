#include "campaign_progression/location_kinds.h"

#include "campaign_data/text.h"

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) {
    if (Contains(text, part)) return true;
  }
  return false;
}

bool IsNonLandLocation(std::string_view name) {
  return ContainsAny(name,
                     {"Station", "_Rail", "Harbor", "Sea", "Beachhead", "_Port", "Ocean", "_Bay"});
}

bool IsSeaNode(std::string_view name) {
  return ContainsAny(name, {"Ocean", "Sea", "_Bay"}) && !Contains(name, "Seaplane_Base");
}

bool IsFrontLocation(std::string_view name) {
  return IsLandLocation(name) && Trim(name).size() >= 2;
}

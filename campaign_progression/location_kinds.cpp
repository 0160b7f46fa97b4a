#include "campaign_progression/location_kinds.h"

#include "campaign_data/text.h"

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

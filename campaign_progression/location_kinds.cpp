#include "campaign_progression/location_kinds.h"

#include "campaign_data/text.h"
#include "campaign_progression/part_search.h"

namespace {

constexpr PartSearch<8> kNonLandParts({"Station", "_Rail", "Harbor", "Sea", "Beachhead", "_Port",
                                       "Ocean", "_Bay"});
constexpr PartSearch<3> kSeaParts({"Ocean", "Sea", "_Bay"});

}  // namespace

bool IsNonLandLocation(std::string_view name) {
  return kNonLandParts.In(name);
}

bool IsSeaNode(std::string_view name) {
  return kSeaParts.In(name) && !Contains(name, "Seaplane_Base");
}

bool IsFrontLocation(std::string_view name) {
  return IsLandLocation(name) && Trim(name).size() >= 2;
}

#include "mission_generation/base_directory.h"

#include <utility>

#include "app/main_form.h"
#include "campaign_data/text.h"
#include "mission_generation/mission_build.h"

namespace {

bool IsCarrierLine(const std::string& line) {
  return Contains(line, "Ship$") &&
         (Contains(line, "Ship$Rwy") || (Contains(line, "CV") && !Contains(line, "LCVP")));
}

}  // namespace

bool BaseDirectory::OffMap(const std::string& name) const {
  return !off_map_names.empty() && off_map_names.count(name) > 0;
}

std::string BaseDirectory::IntactCarrier(const TMainForm& form, const std::string& base) const {
  const auto found = carriers_by_location_name.find(base);
  if (found == carriers_by_location_name.end()) return "";
  for (const int j : found->second) {
    const std::string& line = form.StationaryObjectTable[j].StationaryLine;
    if (StartsWith(line, "X ")) continue;
    const std::string trimmed = Trim(line);
    return trimmed.substr(0, trimmed.find(' '));
  }
  return "";
}

BaseDirectory ReadBaseDirectory(const TMainForm& form) {
  BaseDirectory bases;
  const bool british_bases_on_map = form.NormandyBaseOption && form.MapName == "Normandy";
  for (int l = 0; l <= form.LastLocation; ++l) {
    const LocationEntry& location = std::as_const(form.LocationTable)[l];
    if (location.LocationOffMap == "Y" &&
        !(british_bases_on_map && Contains(location.LocationName, "English_"))) {
      bases.off_map_names.insert(location.LocationName);
    }
  }
  for (int j = 0; j <= form.LastStationary; ++j) {
    const StationaryEntry& object = form.StationaryObjectTable[j];
    const int nearest = object.StationaryNearestLocation;
    if (!LocationTableType::Contains(nearest) || !IsCarrierLine(object.StationaryLine)) continue;
    bases.carriers_by_location_name[std::as_const(form.LocationTable)[nearest].LocationName]
        .push_back(j);
  }
  return bases;
}

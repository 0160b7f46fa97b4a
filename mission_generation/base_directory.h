#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TMainForm;

// What the mission file builder asks of the bases once per run, beyond the campaign's own
// indexes by location and column name: the names of places off the map (as OffMapCheck answers
// for them), and the static objects that carry aircraft (a runway ship or a carrier other than a
// landing craft) by the name of their nearest location, in table order.
struct BaseDirectory {
  std::unordered_set<std::string> off_map_names;
  std::unordered_map<std::string, std::vector<int>> carriers_by_location_name;

  bool OffMap(const std::string& name) const;
  // The name of the first carrier beside the base that is still afloat, "" when none.
  std::string IntactCarrier(const TMainForm& form, const std::string& base) const;
};

BaseDirectory ReadBaseDirectory(const TMainForm& form);

#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TMainForm;

// Bases by name, looked up once per run of the mission file builder: the first map location
// and the first ground column of each name, the names of places off the map (as OffMapCheck
// answers for them), and the static objects that carry aircraft (a runway ship or a carrier
// other than a landing craft) by the name of their nearest location, in table order.
struct BaseDirectory {
  std::unordered_map<std::string, int> location_by_name;
  std::unordered_map<std::string, int> column_by_unit_name;
  std::unordered_set<std::string> off_map_names;
  std::unordered_map<std::string, std::vector<int>> carriers_by_location_name;

  int Location(const std::string& name) const;  // -1 when no location has the name
  int Column(const std::string& unit_name) const;
  bool OffMap(const std::string& name) const;
  // The name of the first carrier beside the base that is still afloat, "" when none.
  std::string IntactCarrier(const TMainForm& form, const std::string& base) const;
};

BaseDirectory ReadBaseDirectory(const TMainForm& form);

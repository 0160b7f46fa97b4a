#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mission_results/name_tables.h"

// What a squadron's nation code gives its new pilots: the pair of name lists, the campaign's
// own name file that may replace them, the row of home towns in cities.dat and the folder of
// portraits in the game's DGen folder.
struct PilotNation {
  std::vector<std::string> PilotNameLists::*first_names;
  std::vector<std::string> PilotNameLists::*last_names;
  std::optional<CustomNameCode> custom_names;
  int town_row;
  std::string_view portrait_folder;  // relative to the game folder, ending in "\"
  int lowest_portrait;               // a new pilot's portraits run from this number to 30
};

// Nothing for a nation code without names of its own.
const PilotNation* PilotNationOf(std::string_view nation_code);

// The file of the campaign's own names for the code: "RU_names.dat" ...
std::string CustomNameFileName(CustomNameCode code);

#pragma once

#include <string>

class TMainForm;

// Vehicles, trains and ships of the ground columns destroyed in the flown mission.

struct ColumnKill {
  bool counted = false;   // false: the vehicle was already counted in this mission
  std::string sunk_ship;  // the unit name of a ship this line sank
};

// A "destroyed by" line of a column vehicle ("12_Chief3 destroyed by ... at x y"): counts the
// column's losses and takes a destroyed column off the map (place "Blank") with its news.
ColumnKill ColumnDestroyed(TMainForm& form, const std::string& line);

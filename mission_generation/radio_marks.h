#pragma once

#include <string>

class TMainForm;

// The radio flag that ends every waypoint line of a flight: " &0" for a flight that uses its
// radio, " &1" for one kept silent, chosen by the RadioBox setting.

// The waypoint text with every line end (CR LF, and one blank directly before it) replaced by
// the squadron's flag and CR LF. A RadioBox text that is none of its items counts as
// "Campaign Default".
std::string SetRadio(TMainForm& form, int squadron, const std::string& waypoints);

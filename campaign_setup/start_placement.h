#pragma once

#include <string>

class TMainForm;

// Start placement of columns and squadrons after a master-mission import.

// Gives every column of the master mission a starting location near its road's start.
void GetColumnStartLocation(TMainForm& form, const std::string& mission_path);
// Chooses every squadron's home base.
void GetAirfield(TMainForm& form, const std::string& mission_path);

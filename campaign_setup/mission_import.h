#pragma once

#include <string>

class TMainForm;

// Import of a master mission into the campaign.

// Writes the campaign's tables and files from the mission file at this path.
void ImportData(TMainForm& form, const std::string& mission_path);

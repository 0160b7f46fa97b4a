#pragma once

#include <string>

class TMainForm;

// Aircraft lost in the flown mission.

// Records the loss of the pilot with this roster name.
void ShotDown(TMainForm& form, const std::string& pilot_name);

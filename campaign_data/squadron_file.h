#pragma once

#include <string>

class TMainForm;

// The squadron table and squadrons.tavrek.

void SquadronList(TMainForm& form, const std::string& mode);
void SaveSquadrons(TMainForm& form, int mode);

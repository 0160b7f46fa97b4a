#pragma once

#include <string>

class TMainForm;

// Display names of the squadrons' nations.

// The [Army] message line naming the nation of a squadron identifier; empty when none fits.
std::string SquadronCountry(TMainForm& form, const std::string& squadron_name);

#pragma once

#include <string>

class TMainForm;

// The display name of a squadron's nation for news and event texts.

// The [Army] message line of the nation the squadron identifier stands for ("American",
// "German" ...); empty when the identifier tells no nation.
std::string SquadronCountry(TMainForm& form, const std::string& identifier);

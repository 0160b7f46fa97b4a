#pragma once

#include <string>

class TMainForm;

// Historical aces: aces.tavrek lists them by squadron with the dates they served; aces.dat
// keeps the names of those placed in this campaign.

// Places the historical aces whose service with the squadron spans the campaign date into its
// slots (at most one per section of aces.tavrek), or moves one who serves elsewhere to it.
void LoadAces(TMainForm& form, int squadron);
// Whether the ace of the text (an ace line from its 15th character on) was placed in this
// campaign before.
bool ActiveAce(TMainForm& form, const std::string& ace_text);
// Records the name of a placed ace in aces.dat.
void AceList(TMainForm& form, const std::string& name);

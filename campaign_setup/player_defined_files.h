#pragma once

#include <string>

class TMainForm;
struct AircraftClassEntry;

// The game career generator's "Player Defined" files for the battle and service chosen on the
// new-campaign screen: DGen\campaigns<nation>&.dat, planes<nation>&.dat and
// squadrons<nation>&.dat of the game folder. Everything is read and checked first; a failure
// (no campaign list, a battle it lacks, no DGen folder, no squadron list, no aircraft the
// player can fly) writes none of the three.
void WritePlayerDefinedFiles(TMainForm& form);

// An aircraft type goes into the planes file: flyable, in service in the month (bounds
// included), and of the service's nation or one it also flies.
bool PlayerDefinedEligible(const AircraftClassEntry& type, const std::string& nation, int year,
                           int month);

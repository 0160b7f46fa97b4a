#pragma once

class TMainForm;

// The weighted match over the class table that finds a squadron another aircraft type.
enum class AircraftMatch {
  kAlternate,  // a stand-in for a type not yet in service or not installed
  kUpgrade,    // a successor for a type whose upgrade is "random"
};

// The class-table entry the squadron should fly by the match, or -1 when none qualifies or the
// squadron's own type is not in the table.
int MatchingAircraftType(const TMainForm& form, int squadron, AircraftMatch match);

#pragma once

#include <string>

class TMainForm;

// Between two missions every squadron receives the aircraft its side's supply rate sends, and a
// squadron too weak to fill its flights borrows planes of its aircraft type's downgrade.

// A side's supply rate as the settings hold it: a digit and "/Squadron/Day" or "/Squadron/Week".
// A text that does not begin with a digit reads as one plane a day.
struct SupplyRate {
  int planes = 1;
  bool weekly = false;
  bool operator==(const SupplyRate&) const = default;
};
SupplyRate ReadSupplyRate(const std::string& text);

// Whether the rate's planes arrive on this pass: a daily rate on every pass, a weekly one on
// days 7, 14, 21 and 28 of the month (the day before this pass's advance). A run that does not
// move the date (day_step 0) takes every rate as daily.
bool ReplacementsArrive(const SupplyRate& rate, int day_step, int campaign_day);

// A squadron's strength after the replacements: `planes` plus what arrives, at least `floor`,
// then kept between its minimum and its maximum (a maximum below the minimum is raised to it).
struct ReplacedStrength {
  int planes = 0;
  int maximum = 0;
  bool operator==(const ReplacedStrength&) const = default;
};
ReplacedStrength StrengthAfterReplacements(int planes, int arriving, int minimum, int maximum,
                                           int floor);

// Every squadron's PlanesFlight and PlanesAvailable after the replacements (the caller saves
// the squadrons). A strength that is no number stops it before any squadron is changed.
void ReplaceAircraft(TMainForm& form);
// A squadron short of the planes its flights need, below its maximum, with downgrades allowed
// and a downgrade type, flies that type in this mission: as many planes as its flights need (at
// most its maximum), in the type's standard paint (DowngradePaint), with DowngradeFlag "Y". Its
// own aircraft class and paint stay in the squadron file. Every other squadron's DowngradeFlag
// and DowngradePaint are cleared.
void DowngradeAircraft(TMainForm& form);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "campaign_data/aircraft_classes.h"

class TMainForm;

// Altitude, speed and payload of a squadron's flights: the aircraft type's figures, overridden
// by the side-wide boxes on the waypoint-settings panel and, for squadron 0 (the player's), by
// the player's own boxes on that panel. None of them changes the tables.

// Cruise altitude of the squadron's flights, metres. A box or type text that does not begin
// with a number gives 3000 m (logged); so does a squadron for which no rule names an altitude.
int AltitudeSet(TMainForm& form, int squadron);
// Whether AltitudeSet reads the squadron's cruise altitude from its texts rather than falling
// back to 3000 m.
bool HasCruiseAltitude(const TMainForm& form, int squadron);
// Cruise speed as decimal text without unit ("300.00"). A text whose whole km/h are not a
// positive number gives "350.00" (logged).
std::string SetSpeed(TMainForm& form, int squadron);
// Speed on the run to the target, same form and fallback.
std::string SetIngressSpeed(TMainForm& form, int squadron);
// One-letter category of the squadron's current weapons from allpayloads.tavrek, "X" when the
// file or a matching line is missing.
std::string PayloadType(TMainForm& form, int squadron);
// The same answer from lines of allpayloads.tavrek already read, for a type ("Class air." line)
// carrying `weapons`: the category of the last line naming both, "X" when none does.
std::string PayloadCategory(const std::vector<AllPayloadsLine>& lines,
                            const std::string& squadron_class, const std::string& weapons);
// Whether SetSpeed finds a cruise speed of whole positive km/h for the squadron rather than
// falling back to its default.
bool HasCruiseSpeed(const TMainForm& form, int squadron);

// SetSpeed for a pass that asks the same squadrons many times while their speed texts stay as
// they are: each squadron's answer is worked out once. A squadron whose speed fails logs the
// same line on every look-up, as SetSpeed does.
class CruiseSpeeds {
 public:
  const std::string& Of(TMainForm& form, int squadron);

 private:
  struct Answer {
    std::string speed;
    bool failed = false;
  };
  std::vector<std::optional<Answer>> answers_;
};

// PayloadType for one operation: allpayloads.tavrek is read at the first look-up and its lines
// (or its absence) serve every later one.
class PayloadCategories {
 public:
  std::string Of(TMainForm& form, int squadron);

 private:
  std::optional<std::optional<std::vector<AllPayloadsLine>>> lines_;
};

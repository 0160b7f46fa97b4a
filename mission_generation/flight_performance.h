#pragma once

#include <string>

class TMainForm;

// Altitude, speed and payload of a squadron's flights.

// Cruise altitude of the squadron's flights, metres.
int AltitudeSet(TMainForm& form, int squadron);
// Cruise speed as decimal text without unit ("300.00").
std::string SetSpeed(TMainForm& form, int squadron);
// Speed on the run to the target, same form.
std::string SetIngressSpeed(TMainForm& form, int squadron);
// One-letter category of the squadron's current weapons, "X" when none is found.
std::string PayloadType(TMainForm& form, int squadron);

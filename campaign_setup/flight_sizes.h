#pragma once

#include <string>

class TMainForm;

// Planes per flight of each side, from the three flight-size choices DeSchwarm (Axis),
// RuSchwarm (Soviet) and BASchwarm (British and American): "One" to "Four", or "Default",
// whose size follows the campaign date.

struct FlightSizes {
  int axis = 4;
  int soviet = 4;
  int british_american = 3;
};

// The sizes the three choices give on the campaign date (year, month) and map. A text that is
// none of the choices keeps the side's fallback (4, 4 and 3).
FlightSizes FlightSizesFor(const std::string& axis_choice, const std::string& soviet_choice,
                           const std::string& british_american_choice, int year, int month,
                           const std::string& map_name);

// DeFlightSize, RuFlightSize and BAFlightSize from the choices and the campaign date.
void SetFlightSizes(TMainForm& form);
// Sets the sizes, then, when the campaign has a squadron file, reloads the squadrons, lets the
// flight-size rules fill every size that is 0 or more than four, and saves them.
void SchwarmNumber(TMainForm& form);
// The change of any of the three choices: SchwarmNumber, then the settings are saved.
void SchwarmChange(TMainForm& form);
// Binds the three boxes' change.
void WireFlightSizeBoxes(TMainForm& form);

#pragma once

#include <string>

class TMainForm;

// Guns and tanks along the front.

// Places static guns and tanks between opposing front locations.
void StationaryFront(TMainForm& form);

// A point `steps` times 12 m from `from`, along the line toward `toward` (mode 0) or across it
// (mode above 0), turned round when `reverse` is "Y"; answered as "x.00 y.00 heading.0" in
// whole numbers. Positions without a decimal point in x or y throw ConversionError.
std::string FrontDirection(const std::string& from, const std::string& toward,
                           const std::string& reverse, int steps, int mode);

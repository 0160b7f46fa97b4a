#pragma once

#include <string>

class TMainForm;

// Points on a squadron's route worked out from two positions. Both answer "X.00 Y.00 " in
// whole metres, with a blank at the end; a position that cannot be read throws
// ConversionError.

// A point on the straight line from `from` toward `toward`: as far as the squadron reaches
// (its RangeTest in metres, at most ActionRadiusKm x 1250 m), moved a further 20 km toward
// `toward` on both axes for each earlier flight of the same side (`step`, from 0).
std::string GetDirection(TMainForm& form, const std::string& from, const std::string& toward,
                         int squadron, int step);

// A point far beyond `from` on the line from `away` through `from` (ActionRadiusKm x 10 km
// out, off any map), moved step x 1000 m in +x and +y for each further flight.
std::string GetOffMapPath(TMainForm& form, const std::string& from, const std::string& away,
                          int step);

#pragma once

#include <string>

class TMainForm;

// The points a flight passes between its climb-out and its target.

// One cruise point between `from` and `to`, pulled back toward `from` by 500 m per staggered
// squadron index and 200 m per flight, as "  NORMFLY x.00 y.00 altitude speed" without a line
// end. An `altitude` of "<ALTITUDE>" stays in the line; any other text is replaced by the
// squadron's join altitude. Both checks of the positions are logged; a position that cannot
// be read then throws ConversionError to the caller.
std::string CreateAveragePoint(TMainForm& form, const std::string& from, const std::string& to,
                               const std::string& altitude, int squadron, int flight);

// The join altitude for a cruise altitude: for a base on the map half of it above 5000 m, else
// 1000 m more; then 100 m less per flight, never below 300 m.
int AveragePointAltitude(int cruise_altitude, bool base_off_map, int flight);

// Sets SquadronHalfWayLeg: one point half-way between the base and a point beside the target.
// A squadron without a take-off position or target gets an empty leg and a log line.
void CreateHalfWay(TMainForm& form, int squadron, int flight);

// Sets SquadronRendezvousLeg of an interceptor: a point between its base and the intercept
// point of its half-way leg, moved 1 km toward its own side. Without those positions the leg
// is emptied and the run log says why.
void CreateIntWay(TMainForm& form, int squadron);

#pragma once

#include <string>

class TMainForm;

// Route points between a flight's climb-out and the target area.

// A cruise point on the way from `from` to `to`, as a waypoint line without its end. Each
// squadron and each of its flights is set back a little further toward `from`, so formations
// that share a route do not meet at one spot. The altitude placeholder is left for the mission
// writer; any other altitude text asks for the squadron's join altitude. Unreadable positions
// are logged and thrown as ConversionError.
std::string CreateAveragePoint(TMainForm& form, const std::string& from, const std::string& to,
                               const std::string& altitude, int squadron, int flight);

// The height of a join point: a squadron cruising above 5000 m meets at half that, a lower one
// a kilometre above its cruise, and one based off the map at its cruise altitude. Each later
// flight sits 100 m lower, never under 300 m.
int AveragePointAltitude(int cruise_altitude, bool base_off_map, int flight);

// Sets SquadronHalfWayLeg: one point half-way between the base and a point beside the target.
// A squadron without a take-off position or target gets an empty leg and a log line.
void CreateHalfWay(TMainForm& form, int squadron, int flight);

// Sets SquadronRendezvousLeg of an interceptor: a point between its base and the intercept
// point of its half-way leg, moved 1 km toward its own side. Without those positions the leg
// is emptied and the run log says why.
void CreateIntWay(TMainForm& form, int squadron);

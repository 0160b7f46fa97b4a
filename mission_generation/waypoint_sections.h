#pragma once

#include <string>
#include <string_view>

class TMainForm;
struct MissionBuild;
struct SquadronRun;

// The waypoint section of every flight: the six planned legs completed for the flight (target
// run, join and rendezvous points, escort and formation links, returns off the map, the
// scramble of an air-started flight, the altitudes), joined, marked for the radio and closed
// by the landing lines.

// The position after the first occurrence of `keyword` in a leg: `length` characters,
// trimmed. A leg without the keyword gives the text from its 8th character.
std::string PositionAfter(std::string_view leg, std::string_view keyword, int length = 50);

// A leg whose first line follows another flight: that line trimmed, without the follow link it
// carried before, then a blank and `link` (which may be empty). Later lines stay as they are.
std::string WithFollowLink(const std::string& leg, const std::string& link);

// Replaces the first `limit` altitude placeholders of a text by `altitude` metres ("3000.0").
std::string FillAltitudes(const std::string& text, int altitude, int limit = 129);

// Steps before the flight section: the follow suffix, the flight's target run, and the
// rendezvous and join points the planner left empty.
void PrepareFlightLegs(TMainForm& form, MissionBuild& build, SquadronRun& run);

// Steps after the take-off slot: completes the legs, writes the "_Way" section and the landing
// lines into the flights text.
void WriteWaypointSection(TMainForm& form, MissionBuild& build, SquadronRun& run);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "campaign_data/geometry.h"
#include "platform/text_file.h"

class TMainForm;

// Start placement of columns and squadrons after a master-mission import.

// Gives every column of the master mission a starting location near its road's start.
void GetColumnStartLocation(TMainForm& form, const std::string& mission_path);
// Chooses every squadron's home base.
void GetAirfield(TMainForm& form, const std::string& mission_path);
// Merges the player's squadron with the computer squadron most like it and removes that one.
void AlternateSquadron(TMainForm& form);

// What the placement reads of a master mission.
// The first point of a column's road section "[<n>_Chief_Road]".
struct RoadStart {
  std::string column_name;  // "<n>_Chief"
  WholeMetrePoint point;
};
// The take-off waypoint of a flight's waypoint section "[<flight>_Way]".
struct FlightStart {
  std::string squadron;  // the flight's name less its flight digit
  WholeMetrePoint point;
  std::string carrier;  // the ship column the flight takes off from; empty for a base on land
};
// Sections whose first point cannot be read are left out; `problems` receives a log line each.
std::vector<RoadStart> ReadRoadStarts(const TextLines& lines, std::vector<std::string>& problems);
std::vector<FlightStart> ReadFlightStarts(const TextLines& lines,
                                          std::vector<std::string>& problems);

// Every location's whole-metre position, nothing for one without a readable position.
std::vector<std::optional<WholeMetrePoint>> LocationPoints(const TMainForm& form);
// Sets LocationNearEnemy of every location: "Y" when a location of another owner and name lies
// nearer than BugOutRadius km.
void MarkLocationsNearFront(TMainForm& form,
                            const std::vector<std::optional<WholeMetrePoint>>& points);

#pragma once

#include <optional>
#include <string>

class PayloadCategories;
class TMainForm;

// The attack run around a flight's target line, the patrol circuit, and the lift of its cruise
// points to the flight's own altitude.

// What decides the points of one flight's attack run.
struct AttackFlight {
  std::string role;                       // SquadronRole
  int task_code = 0;                      // SquadronTaskCode
  bool escorts_bombers = false;           // a fighter escorting bombers
  bool sea_target = false;                // the target's name holds "_Sea" or "_Ocean"
  std::string payload;                    // PayloadType letter
  int cruise_altitude = 0;                // AltitudeSet
  int flight = 0;                         // flight number 0 to 3
  std::string ingress_egress_rule;        // IECoordinates
  std::optional<int> ingress_offset_box;  // TgtIngressOffsetBox, when set
  std::optional<int> ip_offset_box;       // IPOffsetBox, when set
  // The player's altitude boxes, set only for the player's squadron.
  std::optional<int> ip_altitude_box;       // IPAltBox
  std::optional<int> ingress_altitude_box;  // TgtIngressAltBox
  std::optional<int> egress_altitude_box;   // TgtEgressAltBox
};

// Metres of the run: ip beside the target for the initial point and the egress, ti short of it
// for the ingress points, te beside it for the outer points.
struct AttackOffsets {
  long long ip = 0;
  long long ti = 0;
  long long te = 0;
};
AttackOffsets AttackRunOffsets(const AttackFlight& flight);

// Altitudes of the run's points, metres.
struct AttackAltitudes {
  int initial_point = 0;
  int egress = 0;
  int ingress = 0;  // also the outer egress
  int outer_ingress = 0;
  int outer_departure = 0;  // the flight's own altitude
};
AttackAltitudes AttackRunAltitudes(const AttackFlight& flight);

// Whether the IECoordinates setting gives this flight its ingress and egress points.
bool WritesIngressEgress(const AttackFlight& flight);

// Rewrites SquadronTargetLeg around the planner's target line. A squadron without a take-off
// position or target keeps its leg, and the run log says why.
void CreateBombWay(TMainForm& form, int squadron, int flight);
// The same, with the payload categories of the running operation.
void CreateBombWay(TMainForm& form, int squadron, int flight, PayloadCategories& payloads);

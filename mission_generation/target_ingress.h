#pragma once

#include <optional>
#include <string>

class PayloadCategories;
class TMainForm;

// Attack runs do not start from the route's last cruise point: the flight first goes to a
// point off to the side of the target and turns in from there. This builds that point.

// What decides the initial point of one flight.
struct IngressFlight {
  std::string role;                        // SquadronRole
  int task_code = 0;                       // SquadronTaskCode
  std::string payload;                     // PayloadType letter
  bool long_approach_mission = false;      // mission type [Briefs] line 12 or 23
  std::optional<int> offset_box;           // IPOffsetBox, when set
  int cruise_altitude = 0;                 // AltitudeSet
  std::optional<int> player_altitude_box;  // IPAltBox of the player's squadron, when set
  int flight = 0;                          // flight number 0 to 3
};

// Metres beside the target, across the line of flight.
int InitialPointOffset(const IngressFlight& flight);
// Altitude of the initial point, metres.
int InitialPointAltitude(const IngressFlight& flight);

// Puts the flight's initial point in front of SquadronTargetLeg. A squadron without a take-off
// position or target keeps its leg, and the run log says why.
void CreateTargetIngress(TMainForm& form, int squadron, int flight);
// The same, with the payload categories of the running operation.
void CreateTargetIngress(TMainForm& form, int squadron, int flight, PayloadCategories& payloads);

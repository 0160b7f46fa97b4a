#pragma once

#include <string>

#include "tests/mission_generation/waypoint_campaign.h"

// The waypoint campaign made ready for the mission file builder: a campaign folder, the
// shipped reference data and messages, a campaign record, a full roster for every squadron and
// squadrons planned as the planner leaves them (legs with altitude placeholders, a target and
// a mission type). Every squadron starts at home ("Active True ", computer flown, flyable).
class BuilderCampaign : public WaypointCampaign {
 public:
  BuilderCampaign();

  // A squadron in the mission: `planes` aircraft, `per_flight` of them per flight, a half-way
  // point, a target line over its target location and a return point, all with altitude
  // placeholders. Answers its index.
  int AddFlyingSquadron(const std::string& name, const std::string& role, const std::string& army,
                        int base_location, int target_location, int planes = 8, int per_flight = 4);
  // Gives squadron `squadron` 16 pilots "<name> Pilot <slot>", rank 1, no kills, 5 sorties.
  void FillRoster(int squadron);

  std::string CampaignFile(const std::string& name) const;
};

// The mission text the builder left, checked: every problem the mission checker finds is a
// test failure.
void ExpectLoadableMission(const TMainForm& form);

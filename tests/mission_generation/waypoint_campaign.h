#pragma once

#include <string>

#include "tests/support/test_world.h"

// A small campaign held in memory for the waypoint builders: a few map locations, squadrons of
// every role, a carrier column, a static carrier beside an airfield and an off-map base.
//
// Every squadron's type flies at "3000 Meters", cruises at "300.00 kph" and runs in at
// "350.00 kph" with the panel on its defaults and no special loadout, so its cruise altitude is
// 3000 m, its cruise speed "300.00" and its run-in speed "350.00": a point that takes the wrong
// one of the two speeds shows.
class WaypointCampaign {
 public:
  // Map locations.
  static constexpr int kAlphaAirfield = 0;  // 10000, 10000
  static constexpr int kBravoTown = 1;      // 40000, 20000: further in x than in y from Alpha
  static constexpr int kCharlieTown = 2;    // 20000, 40000: further in y than in x from Alpha
  static constexpr int kDeltaSeaplaneBase = 3;
  static constexpr int kEchoAirfield = 4;  // a second airfield, 60000, 10000
  static constexpr int kFarAirfield = 5;   // off the map
  static constexpr int kKiloAirfield = 6;  // a static carrier lies nearest to it
  static constexpr int kNorthSea = 7;
  static constexpr const char* kCarrierGroup = "Saratoga_Group";  // base of a carrier squadron

  WaypointCampaign();

  TMainForm& form() { return *world.form; }

  // Adds a squadron based at a location (or a carrier column's unit name), with its planned
  // take-off leg, target and role; answers its index.
  int AddSquadron(const std::string& name, const std::string& role, const std::string& army,
                  int base_location, int target_location);
  int AddCarrierSquadron(const std::string& name, const std::string& role, int target_location);

  // Sets the text of a [Briefs] line of the message table.
  void SetBriefs(int line, const std::string& text);

  TestWorld world;
};

#pragma once

#include <string>
#include <vector>

#include "tests/support/test_world.h"
#include "tests/whole_campaign/flight_script.h"

// A co-op campaign on the shipped sample, driven as the game drives it: the host's co-op
// screen writes the campaign's conf.dat in the game's NGen folder and starts the program in
// place of its co-op generator; the first start creates the campaign and its first mission,
// and after each mission flown the game writes its event log and starts the program again,
// which scores the mission and generates the next one.
class CoopRun {
 public:
  // The game's co-op players: the host flies the first Allied aircraft of the mission.
  static constexpr const char* kHost = "Hawk";
  static constexpr const char* kGuest = "Kite";

  CoopRun();

  // One start of the program by the game's co-op screen. Answers the program's exit status.
  int Start(unsigned seed);
  // The mission the co-op screen offers (the last one listed in conf.dat) flown by the host:
  // its block is added to the game's event log.
  FlightTally Fly(const std::vector<Happening>& happenings);

  // The mission file the co-op screen offers, by its path below the game's Missions folder
  // ("Net/NGen/Tavrek_Okinawa/....mis"); empty when conf.dat lists none.
  std::string OfferedMissionPath() const;
  std::string OfferedMission() const;
  std::string CampaignFolder() const;  // the co-op folder in the game folder, ending in "/"
  std::string GameFolder() const;
  std::string RunLog() const;
  std::string LastFlightStamp() const { return event_log_.LastStamp(); }

  TestWorld world;

 private:
  int starts_ = 0;
  int flights_ = 0;
  GameEventLog event_log_;
};

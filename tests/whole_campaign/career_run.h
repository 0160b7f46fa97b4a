#pragma once

#include <string>
#include <vector>

#include "tests/support/test_world.h"
#include "tests/whole_campaign/flight_script.h"

// An off-line career on the shipped sample, driven as the game drives it: the game's career
// start file names the battle and the career folder, the game starts the program with the
// nation and rank to create the career and its first mission, and after each flown mission
// it writes its event log and starts the program again for the next one.
class CareerRun {
 public:
  CareerRun();

  // The game's start of a new career: "um 3". Answers the program's exit status.
  int Create(unsigned seed);
  // The installed mission flown: its block is added to the game's event log, which keeps the
  // blocks of the missions flown before (as the game does when told to keep its log).
  FlightTally Fly(const std::vector<Happening>& happenings);
  // The game's start after a flown mission: scores it and generates the next one.
  int Next(unsigned seed);

  std::string InstalledMission() const;
  std::string CampaignFolder() const;  // the career folder in the game folder, ending in "/"
  std::string GameFolder() const;
  std::string RunLog() const;
  // The stamp of the last block flown ("[Jan 2, 2027 8:00:00]" as the log writes it).
  std::string LastFlightStamp() const { return event_log_.LastStamp(); }
  int cycle() const { return cycle_; }

  TestWorld world;

 private:
  int Start(const std::vector<std::string>& arguments, unsigned seed);
  std::string FlightDate() const;

  int cycle_ = 0;
  GameEventLog event_log_;
};

// What is wrong with the mission the start that ends the campaign leaves the game: it is the
// installed mission, the checker reads it as one flight of the player's, and its briefing is
// `message`. Empty when nothing is.
std::vector<std::string> FinalMissionProblems(const CareerRun& run, const std::string& message);

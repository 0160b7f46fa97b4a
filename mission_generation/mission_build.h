#pragma once

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "mission_generation/base_directory.h"
#include "mission_generation/flight_performance.h"

class TextLines;

// The working texts and values of one run of the mission file builder. The section writers
// fill them in the order the builder calls them; nothing of them outlives the run.
struct MissionBuild {
  BaseDirectory bases;

  // Flights: the "[WING]" list and every flight and waypoint section in writing order.
  std::string wing_list;
  std::string flights_text;
  // The ranks and names of the player's pilots who fly, for the off-line briefing.
  std::string roster_block;
  // Roster slots of the player's squadron that sit in an aircraft of this mission.
  std::set<int> player_slots_flown;
  // Set once a flight has repaired the whole roster; see SaveFlightRoster.
  bool roster_repaired = false;

  // The squadrons' payload categories, from the reference payload list read at its first use.
  PayloadCategories payload_categories;
  // The airfields' take-off lines, read at the first take-off of the run.
  std::shared_ptr<const TextLines> airfield_lines;

  // Time and weather as the briefings quote them.
  std::string weather_sentence;
  std::string weather_sentence_ru;
  std::string minutes_text = "00";
  std::string cloud_height;

  // Whole metres of the front centre, for the cameras and the on-line target position.
  std::string front_centre_x;
  std::string front_centre_y;

  // Sections written after the flights.
  std::string target_text;
  std::string nstationary_text;
  std::string bridge_text;
  std::string born_place_text;
  std::string respawn_text;

  // Dogfight: the bases and aircraft each side's briefing lists (entries 1 red, 2 blue), and
  // what each side has in the mission for the dogfight-server tool.
  std::array<std::string, 3> army_bases_text;
  struct SideCounts {
    int planes = 0;
    int wagons = 0;
    int aaa = 0;
    int tanks = 0;
    int artillery = 0;
    int cars = 0;
    int ships = 0;
  };
  std::array<SideCounts, 3> side_counts;
};

// One squadron's values while its flights are written.
struct SquadronRun {
  int squadron = 0;
  int last_flight = 0;        // flights 0..last_flight are written
  int extra_planes = 0;       // planes per flight less one
  std::string saved_takeoff;  // the planned take-off leg, put back after every flight
  int start_delay_flag = 0;   // 1 once a flight of the squadron starts late
  std::string start_time_text = "0";

  // The flight being written.
  int flight = 0;
  int last_slot = 0;          // the flight's last roster slot
  std::string saved_target;   // the target leg as the flight found it
  std::string follow_suffix;  // later flights follow the first one
  std::string takeoff_position;
  std::string join_target_position;
  std::string speed;
  int alt1 = 0;  // cruise legs
  int alt2 = 0;  // the target leg
};

#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text_file.h"

// Reading a master mission (a mission file in the game's syntax that a battle's campaign is
// made from) into the texts of the campaign files. Nothing here touches the campaign: the
// import writes what the reader gives it.

// What the reader needs to know of the aircraft types and ground-object classes.
struct MasterMissionTypes {
  // Per aircraft type name, in class-table order, its flyable flag and family of every entry
  // that carries the name.
  struct AircraftFacts {
    std::string flyable;  // "1" flyable, "0" not
    std::string family;   // "1" fighter, ...
  };
  std::unordered_map<std::string, std::vector<AircraftFacts>> aircraft;
  // Ground-object classes that the game edition lacks, with the class that stands in for each,
  // in table order.
  struct Substitute {
    std::string name;
    std::string stand_in;
  };
  std::vector<Substitute> substitutes;
};

// Squadron groups of squadrons.tavrek: flyable fighters first, then the other flyable types and
// the fighters nobody flies, then the rest (types the class table does not know among them).
inline constexpr int kSquadronGroups = 3;

struct MasterMission {
  // "[NStationary]" and CR LF, then each object line of the mission ended by CR LF.
  std::string stationary_text;
  std::vector<std::string> stationary_lines;  // the object lines, blank ones included
  std::string column_text;  // each column line trimmed, " @Blank" and CR LF after it
  int column_count = 0;
  // The section texts: the header and CR LF, then each non-blank line of the section as the
  // mission has it, ended by CR LF.
  std::string buildings_text = "[Buildings]\r\n";
  std::string houses_text = "[House]\r\n";
  std::string rockets_text = "[Rocket]\r\n";
  std::string cameras_text = "[StaticCamera]\r\n";
  // The eight-line block of each flight, in its group, in file order.
  std::array<std::string, kSquadronGroups> squadron_groups;
  int squadron_count = 0;
  bool has_flyable_squadron = false;
  // The map named by the first "MAP" line that names one; empty when none does.
  std::string map_name;
  // A line for the run log per flight block that could not be read and was left out.
  std::vector<std::string> skipped_blocks;
};

MasterMission ReadMasterMission(const TextLines& lines, const MasterMissionTypes& types);

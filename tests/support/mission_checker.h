#pragma once

#include <string>
#include <vector>

// A reader of our own for mission files as the game loads them: sections of key and value
// lines. The checker finds what would keep the game from loading or flying a mission.

struct MissionSection {
  std::string name;                // without brackets
  std::vector<std::string> lines;  // the lines after the header, as written
};

struct ParsedMission {
  std::vector<MissionSection> sections;
  // The first section of that name, or nullptr.
  const MissionSection* Find(const std::string& name) const;
  // The value lines of a section split into words ("Planes 4" -> {"Planes", "4"}).
  std::vector<std::vector<std::string>> Rows(const std::string& name) const;
};

ParsedMission ParseMission(const std::string& text);

// Everything wrong with a mission text; empty when the game can load and fly it:
// - every line ends in CR LF;
// - "[MAIN]" comes first with its map, time and clouds, and no section is written twice;
// - every flight of "[WING]" has its section and its "_Way" section, and every flight and
//   waypoint section belongs to a flight of "[WING]";
// - a flight section names its planes (a whole number from 1), its class, fuel and weapons;
// - a waypoint section begins with a take-off or, for an air start, a cruise point; every
//   waypoint has the game's keyword and x, y, altitude and speed as numbers, and no altitude
//   is left as a placeholder; a landing comes last; a flight that takes off and comes back
//   near its base ends with a landing or over its base (a harbour or port);
// - the "player" line names a flight of "[WING]" and "playerNum" a plane of that flight.
std::vector<std::string> MissionProblems(const std::string& text);

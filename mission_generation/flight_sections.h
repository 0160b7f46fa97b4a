#pragma once

#include <string>

class TMainForm;
struct MissionBuild;
struct SquadronRun;

// Writes the "[WING]" list and one section per flight: the squadron's flight count and planes
// per flight, pilot skill, the aircraft type with its skin, nose art, tail numbers and pilot
// portraits, its fuel load and loadout, plus any companion aircraft a type carries or tows.

// "name" + flight number: the game's name of one flight of a squadron.
std::string FlightName(const TMainForm& form, int squadron, int flight);

// The next sortie count of a roster field of three digits; it stays at "999" once there.
std::string NextSortieCount(const std::string& sorties);

// Skill 0..3 of one pilot: the squadron's skill digit, with "Squadron Defaults" raised by his
// kills (ground kills count a fiftieth) and moved by his sorties (this one counted).
int PilotSkill(int squadron_skill, bool squadron_defaults, double kills, double ground_kills,
               int sorties);

// The portrait file of a roster photo text: lower case, without its "dgen\" folder, the next
// "\" made "_".
std::string PortraitFile(const std::string& photo);

// Per-squadron decisions taken before its first flight is written: the long-range payload, the
// escort line shown in the player's briefing, how many flights and how many planes in each. Sets
// the run's last_flight and extra_planes; returns false when the squadron has nothing to fly.
bool PrepareSquadronFlights(TMainForm& form, MissionBuild& build, SquadronRun& run);

// Wing line, skill, sorties and the flight section up to its weapons line for run.flight.
void WriteFlightSection(TMainForm& form, MissionBuild& build, SquadronRun& run);

// The Mistel's lower component, the Zveno's fighters, the Ohka and the glider, written after
// the flight's waypoint section.
void WriteCompanionFlights(TMainForm& form, MissionBuild& build, SquadronRun& run);

#pragma once

#include <string>

class TMainForm;
struct MissionBuild;
struct SquadronRun;

// The "[WING]" list and the flight sections: how many flights a squadron sends and with how
// many aircraft, their skill, skins, nose art, numbers and portraits, the aircraft type, fuel
// and weapons, and the companion aircraft some types carry or tow.

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

// The squadron-level choices before its first flight: the long-range payload, the escort line
// of the player's briefing, the number of flights and planes per flight. Sets last_flight and
// extra_planes of the run; false when the squadron has no aircraft to fly.
bool PrepareSquadronFlights(TMainForm& form, MissionBuild& build, SquadronRun& run);

// Wing line, skill, sorties and the flight section up to its weapons line for run.flight.
void WriteFlightSection(TMainForm& form, MissionBuild& build, SquadronRun& run);

// The Mistel's lower component, the Zveno's fighters, the Ohka and the glider, written after
// the flight's waypoint section.
void WriteCompanionFlights(TMainForm& form, MissionBuild& build, SquadronRun& run);

#pragma once

#include <string>
#include <vector>

class PassGuard;
class TMainForm;

// Puts a pass's mission where the game in the current mode expects it: the mission and
// properties texts, the career list in campaign.ini, conf.dat for the co-op generator, dated
// copies, the copies in the single and campaign mission folders, and in dogfight mode the
// server's missions.txt and the IL2SC server settings file. Every file is written whole.

inline constexpr const char* kMissionBaseName = "tavrekmission";

// The career list the game reads in the off-line career: "[Main]", the generator line when
// there is one, the side's campaign and award classes, "[list]" and the program's mission 501
// times, every line ending in CR LF.
std::string CareerListText(const std::string& generator_line, const std::string& side_word,
                           const std::string& nation_word);

// The career list kept by the game's own generator, rewritten in the last pass: its lines
// without the end-mission entry and without the program's own mission, then `dated_mission`
// (when not empty) and the program's mission last, without a line end.
std::string GeneratorCareerListText(const std::vector<std::string>& lines,
                                    const std::string& dated_mission);

// The co-op generator's conf.dat with `dated_mission` (when not empty) listed, two blanks in
// front, before every "[$locale]" line; every line ends in CR LF.
std::string CoopConfDatText(const std::vector<std::string>& lines,
                            const std::string& dated_mission);

// The IL2SC server settings for the squadrons of both sides and the server boxes.
std::string ServerSettingsText(const TMainForm& form);
// The server settings file lies beside the mission, named like it with ".ini".
std::string ServerSettingsPath(const std::string& mission_path);

// A mission name received from the dogfight-server tool is taken only when it names a file in
// the dogfight folder: no folder parts, no drive, none of the characters Windows forbids.
bool IsPlainMissionName(const std::string& name);

// The career files of the game-side campaign folder that a pass may rewrite (through the
// services it calls as well), put under the pass guard.
void CoverCareerFiles(TMainForm& form, PassGuard& guard);

// Installs the mission of pass `pass` (1 is the last); a file that cannot be written stops it
// with a FileError that names the file.
void InstallMission(TMainForm& form, int pass, PassGuard& guard);

#pragma once

#include <string>

class TMainForm;
struct MissionBuild;

// The mission's properties texts: the "Name", "Short" and "Description" the game shows, built in
// SquadronBriefing element 0 (chosen language) and SquadronInfoText element 0 (the Russian twin
// of a dogfight mission). Properties texts break their lines with the two characters "\n".

// Co-op: the main window's note on the mission, and every briefing hidden when the on-line
// briefing option is off.
void MarkCoopMission(TMainForm& form);

// The dogfight text of both languages: the battle for each side, and the block of the
// dogfight-server tool with each side's counts, the reset rules and a chat line.
void WriteDogfightProperties(TMainForm& form, const MissionBuild& build);

// The co-op text: every flying squadron's task per side, or " Hidden".
void WriteCoopProperties(TMainForm& form, const MissionBuild& build);

// The cruise altitude of the player's squadron as the briefing gives it: feet for the nations
// that measure in feet, else metres.
std::string BriefingAltitude(TMainForm& form);

// The off-line text: the player's flight briefing around what SquadronBriefing[0] holds.
void WriteOfflineProperties(TMainForm& form, const MissionBuild& build);

// The three head lines of both texts, every mode.
void AddPropertiesHeader(TMainForm& form);

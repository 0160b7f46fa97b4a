#pragma once

#include <string_view>

class TMainForm;
struct SquadronEntry;

// Questions on a squadron's part in the coming mission, as the waypoint builders ask them.

// The squadron's task code (the game's target type: 3, 6 and 7 steer the legs); -1 when the
// text holds no number.
int TaskCode(const SquadronEntry& squadron);
// The squadron escorts a squadron of this role.
bool EscortsRole(const TMainForm& form, int squadron, std::string_view role);
// A fighter escorting bombers.
bool FighterEscortingBombers(const TMainForm& form, int squadron);
// The squadron's mission type is the text of this [Briefs] line.
bool MissionTypeIsBriefs(const TMainForm& form, int squadron, int briefs_line);

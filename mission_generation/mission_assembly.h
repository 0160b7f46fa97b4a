#pragma once

#include <set>

class TMainForm;
struct MissionBuild;

// Final stage of the mission file builder: picks the player's seat, joins the mission text in
// section order (or writes the one-flight stub when a stop or campaign-end message waits to be
// shown), makes the briefing texts readable and moves squadrons to their new bases.

// The roster slot of the player in squadron 0: the highest slot holding PlayerName, 15 when no
// slot does.
int PlayerRosterSlot(const TMainForm& form);
// The slot the player takes: his own when it sits in an aircraft of the mission, else the
// first seat of the mission's first flight; -1 when the squadron flies no aircraft.
int PlayerSeat(const TMainForm& form, const std::set<int>& slots_flown);

// The planner's briefing texts lose the numbers of the bridges they name.
void RemovePlannerBridgeNumbers(TMainForm& form);

// The lines that close "[MAIN]": the player's flight, side and place in the flight.
void WritePlayerLines(TMainForm& form, const MissionBuild& build);

// The stub's single flight: its planes and its waypoint lines.
int StubPlanes(const TMainForm& form);

// Joins MissionFileText; with ErrorWarning set, the stub, whose briefing is that message.
void AssembleMission(TMainForm& form, const MissionBuild& build);

// Place names translated, underscores and bridge numbers removed, English articles fixed.
void CleanUpBriefings(TMainForm& form);

// Squadrons that transfer or leave their base in this mission have their new base from now on.
void MoveSquadronsToNewBases(TMainForm& form);

#pragma once

#include <string>
#include <vector>

class TMainForm;

// Look-ups by name in the campaign tables for the results handlers. During a results pass
// (ResultsPass.Active) they answer from indexes built once; otherwise they scan the tables.
// Every answer lists indexes in ascending order; an empty name finds nothing.

struct RosterSlot {
  int squadron = -1;
  int slot = -1;
};

// Builds the indexes of a results pass and clears them again.
void BuildResultsIndexes(TMainForm& form);
void ClearResultsIndexes(TMainForm& form);
// Files the slot again under its present name after a handler or a roster operation renamed
// it.
void RosterNameChanged(TMainForm& form, int squadron, int slot);

// Slots 0..15 of squadrons 0..LastSquadron whose RosterName equals the name.
std::vector<RosterSlot> RosterSlotsNamed(const TMainForm& form, const std::string& name);
// Squadrons 0..LastSquadron whose SquadronName equals the name.
std::vector<int> SquadronsNamed(const TMainForm& form, const std::string& name);
// The last of them; -1 when there is none.
int LastSquadronNamed(const TMainForm& form, const std::string& name);
// Columns 0..LastColumn whose ColumnName equals the name.
std::vector<int> ColumnsNamed(const TMainForm& form, const std::string& name);
// Static objects 0..LastStationary whose object name ("12_Static") equals the name.
std::vector<int> StationaryNamed(const TMainForm& form, const std::string& name);
// The position of the last location of that name; empty when there is none.
std::string LocationPositionNamed(const TMainForm& form, const std::string& name);
// Name of the map location closest to the position, same answer as MapLocation; within a
// results pass it uses a location index that is built only once.
std::string NearestLocationName(TMainForm& form, const std::string& position);
// OffMapCheck for a squadron's home base, asked once per base in a results pass.
std::string BaseOffMap(TMainForm& form, const std::string& base);

// The object name of a static-object line: its first word after the "X " mark.
std::string StationaryObjectName(const std::string& line);

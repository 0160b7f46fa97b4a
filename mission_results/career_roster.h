#pragma once

#include <string>
#include <vector>

#include "mission_results/pilot_roster_table.h"

class TMainForm;

// The files written beside pilot.tavrek: the game's career roster squadron.dat, the pilots'
// skins (paints.tavrek) and nose art (noseart.tavrek).

// The player's squadron (off-line) or the human pilots (on-line) as the game's career reads
// them, each pilot with his career events from events.dat. A successor who joined the player's
// squadron on the previous campaign day is also told in the next briefing's news.
void WriteCareerRoster(TMainForm& form);

// paints.tavrek and noseart.tavrek, filled a squadron at a time while the roster is written.
// Every named squadron gets a section of sixteen lines in both, also when its skins are empty,
// so that the sections after it stay with their squadrons.
class PaintAndNoseArtFiles {
 public:
  explicit PaintAndNoseArtFiles(const TMainForm& form);
  // Opens the squadron's section in both files.
  void BeginSquadron(const std::string& name);
  // The pilot's skin and nose art (taken as already checked), each on a line of its own.
  void AddPilot(const PilotEntry& pilot);
  void Write(const TMainForm& form) const;

 private:
  std::string paints_;
  std::string nose_art_;
};

// The labelled lines that open a pilot's record in squadron.dat and archive.dat ("FIRST NAME:
// " to "MEDALS: "), each with its line end.
std::string CareerRecordFields(const PilotEntry& pilot);
// The separator line that closes a record, with its line end.
std::string CareerRecordEnd();
// Whether an events.dat line belongs to the pilot: the text before its first "-" is his name.
bool IsEventOfPilot(const std::string& event_line, const std::string& pilot_name);
// The text after the first "-" of an events.dat line, cut to `limit` characters and trimmed.
std::string EventText(const std::string& event_line, int limit);
// An events.dat line that reports a pilot killed or captured ([Events] lines 6 and 7).
bool IsLossEvent(const TMainForm& form, const std::string& event_line);

#pragma once

#include <string>
#include <string_view>

#include "campaign_progression/timetable_lines.h"

class TMainForm;

// The commands of the campaign timetable, tested against each line of the current battle's
// block in a fixed order.

// One line of the current battle's block as the commands see it.
struct TimetableLine {
  std::string text;      // trimmed; a command that uses the line up leaves it empty
  int date = kNeverDue;  // the line's date key
  bool capture = false;  // captures allowed: no "TimeTable Off" since the block's header
};

// Applies every command whose keyword the line holds and whose gates pass today. A command
// whose value cannot be used is logged as bad data and skipped; the others still apply.
void ApplyTimetableCommands(TMainForm& form, TimetableLine& line);
// The line holds the keyword of a timetable command (or "TimeTable Off").
bool NamesTimetableCommand(std::string_view line);

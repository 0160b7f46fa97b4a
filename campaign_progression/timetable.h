#pragma once

#include <string>

class TMainForm;

// The campaign timetable is timetable.tavrek, looked for first in the campaign's data folder and
// then in the program's: one dated command per line, in blocks each headed by "[battle]".

// Applies the commands of the current battle's block that are due on the campaign date. The
// run-wide values it sets (captures, mission hour, banned loadouts, briefing news, attack
// rendezvous) start empty at every call.
void TimeTable(TMainForm& form);
// The timetable file the campaign reads; empty when there is none.
std::string TimetablePath(const TMainForm& form);

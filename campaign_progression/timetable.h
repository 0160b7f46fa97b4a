#pragma once

#include <string>

class TMainForm;

// The campaign timetable: timetable.tavrek of the campaign data folder (else the program's
// data folder), one dated command per line, grouped in blocks under a "[battle]" header.

// Applies the commands of the current battle's block that are due on the campaign date. The
// run-wide values it sets (captures, mission hour, banned loadouts, briefing news, attack
// rendezvous) start empty at every call.
void TimeTable(TMainForm& form);
// The timetable file the campaign reads; empty when there is none.
std::string TimetablePath(const TMainForm& form);

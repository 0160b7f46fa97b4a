#pragma once

class TMainForm;

// The campaign timetable.

// Applies the timetable commands of the current date.
void TimeTable(TMainForm& form);

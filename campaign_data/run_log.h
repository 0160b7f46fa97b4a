#pragma once

#include <string>

#include "platform/clock.h"

class TMainForm;

// The run log: one time-stamped line per step of the run, kept in memory (ErrorText) and in
// tavrekerror.txt in the program folder, which after every line holds the whole log and a
// closing empty line; each line reaches the file before ErrorLog returns.

// "[yyyy/mm/dd hh:mm:ss.z] ": milliseconds without leading zeros.
std::string RunLogStamp(const LocalDateTime& time);

// Appends the line to the log and to the run-log file. A log file that cannot be written never
// stops the work: the line stays in memory and the failure is reported once on stderr.
void ErrorLog(TMainForm& form, const std::string& message);

// The one fatal-error path. In a command-line run it logs, closes the window and asks the
// application to quit, marks the run failed and returns, so the running operation completes.
// In an interactive run it logs, disables Generate Mission and throws ProgramError(message).
void ErrorTrap(TMainForm& form, const std::string& message);

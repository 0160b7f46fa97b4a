#pragma once

#include <string>

class TMainForm;

// The game's event log of the flown mission.

// Scores the last unscored mission block of the game's event log. The pass is all or nothing:
// the handlers change the tables in memory, the files are written when it wraps up, and a pass
// that fails puts every file back as it was (and the block is scored by the next pass).
void MasterLog(TMainForm& form);
// Finds the event-log file name from the game's configuration file; stops the run through
// ErrorTrap when the game writes no event log.
void SetLogFile(TMainForm& form);
// The same search without the stop: answers whether a name was found. A missing configuration
// file or key is logged.
bool FindLogFileName(TMainForm& form);
// Copies the event log into the campaign and marks its missions as scored.
void SetLogDate(TMainForm& form);

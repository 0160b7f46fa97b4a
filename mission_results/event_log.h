#pragma once

class TMainForm;

// The game's event log of the flown mission.

// Scores the last unscored mission block of the game's event log.
void MasterLog(TMainForm& form);
// Finds the event-log file name from the game's configuration file.
void SetLogFile(TMainForm& form);
// Copies the event log into the campaign and marks its missions as scored.
void SetLogDate(TMainForm& form);

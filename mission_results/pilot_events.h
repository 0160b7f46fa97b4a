#pragma once

class TMainForm;

// The per-pilot events file.

// Merges the new event lines of the Events label into events.dat.
void WriteEventsLog(TMainForm& form);

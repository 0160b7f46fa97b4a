#pragma once

#include "mission_results/roster_save.h"

class TMainForm;

// The per-pilot events file events.dat: the campaign's diary of pilot events and the list of
// bridges still down.

// Rewrites events.dat: keeps the lines of pilots still on the roster, counts each bridge down
// once and lists the bridges still down in DestroyedBridgeText, gives new pilots of the
// player's squadron their joined line, and appends the lines of the Events label. The roster is
// saved after, its files written or left to a later save.
void WriteEventsLog(TMainForm& form, RosterFiles roster_files = RosterFiles::kWritten);

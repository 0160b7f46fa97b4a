#pragma once

#include <string>

class TMainForm;

// The squadron table and squadrons.tavrek in the campaign folder (layout: squadron_block.h).

// Loads the table from the file and completes every squadron with its aircraft type, country,
// display name and flight size. `mode` ("ON" from the pipeline, "OFF" elsewhere) changes
// nothing. A missing file loads nothing; a corrupt one is reported and leaves the table as it
// was.
void SquadronList(TMainForm& form, const std::string& mode);
// Rewrites the file from the table; squadrons with an empty name are left out. `mode` (callers
// pass 0) changes nothing. Writes nothing while no squadron is loaded.
void SaveSquadrons(TMainForm& form, int mode);
// Fills PlanesExtra (planes per flight) of the squadron while it is 0.
void FlightSizeCheck(TMainForm& form, int squadron);
// Recomputes the maximum strength of all squadrons from the chosen flights per squadron,
// then saves.
void CalculateLinkedMax(TMainForm& form);

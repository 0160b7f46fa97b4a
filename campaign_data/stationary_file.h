#pragma once

class TMainForm;

// The stationary-object table and stationary.tavrek of the campaign folder: the header line
// "[NStationary]", then one static object per line in the game's static-object syntax behind a
// two-character mark ("  " active, "X " inactive). Every line after the header is one object
// with the same index in every operation below.

// Loads the lines with each object's army and position.
void LoadStationary(TMainForm& form);
// Finds each object's nearest map location (never a beachhead).
void StationaryList(TMainForm& form);
// Writes the objects that belong to the file (0..InitialStationary) back.
void SaveStationary(TMainForm& form);
// Reloads the lines with every object made active again.
void StationaryReset(TMainForm& form);

#pragma once

class TMainForm;

// The location table, built from the map's route files.

void TargetLocations(TMainForm& form);

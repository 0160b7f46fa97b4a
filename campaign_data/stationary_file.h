#pragma once

class TMainForm;

// The stationary-object table and stationary.tavrek.

void StationaryList(TMainForm& form);
void LoadStationary(TMainForm& form);

#pragma once

class TMainForm;

// The pilot roster and pilot.tavrek.

void LoadPilots(TMainForm& form);
void SavePilot(TMainForm& form, int mode);
void PilotSort(TMainForm& form);
// Exchanges slot slot1 of squadron1 with slot slot2 of squadron2.
void PilotSwap(TMainForm& form, int squadron1, int squadron2, int slot1, int slot2);

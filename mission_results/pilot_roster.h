#pragma once

class TMainForm;

// The pilot roster and pilot.tavrek.

void LoadPilots(TMainForm& form);
void SavePilot(TMainForm& form, int mode);
void PilotSort(TMainForm& form);

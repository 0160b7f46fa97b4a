#pragma once

class TMainForm;

// Human crewmen of co-op missions and gunner.tavrek.

// Replaces GunnerTable by the file's crewmen.
void LoadGunner(TMainForm& form);
// Folds crewmen who are roster pilots into the roster and writes gunner.tavrek.
void SaveGunner(TMainForm& form);

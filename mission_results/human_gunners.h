#pragma once

class TMainForm;

// Human crewmen of on-line missions and gunner.tavrek.

// Replaces GunnerTable by the crewmen of gunner.tavrek (none when the file is missing).
void LoadGunner(TMainForm& form);
// Folds every crewman who is also a roster pilot into the pilot's record, repairs the other
// records and writes gunner.tavrek.
void SaveGunner(TMainForm& form);

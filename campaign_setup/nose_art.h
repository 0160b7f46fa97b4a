#pragma once

class TMainForm;

// Nose art.

// Reads the pilots' nose art from noseart.tavrek.
void LoadNoseArt(TMainForm& form);
// Clears nose art the squadron cannot carry.
void NoseArtCheck(TMainForm& form, int squadron, int slot);
// Fills the pilot editor's nose-art choice for the current pilot.
void NoseArtBoxSetup(TMainForm& form);
// Nose-art choice changed: sets the current pilot's nose art.
void NoseArtBoxChange(TMainForm& form);

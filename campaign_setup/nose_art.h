#pragma once

#include <string>

class TMainForm;

// Nose art: bitmaps of the game's "PaintSchemes\NoseArt\" folder, available to the pilots of
// American bombers and ground-attack units only. noseart.tavrek (written with the pilots) holds
// one block per squadron, in table order, of its pilots' nose art ("None" for none).

// Reads the pilots' nose art from noseart.tavrek.
void LoadNoseArt(TMainForm& form);
// Clears nose art the squadron cannot carry.
void NoseArtCheck(TMainForm& form, int squadron, int slot);
// Whether the squadron's pilots may carry nose art at all; NoseArtCheck keeps none otherwise.
bool SquadronCarriesNoseArt(const TMainForm& form, int squadron);
// NoseArtCheck for a pilot whose squadron is known to carry nose art or not.
void CheckNoseArt(bool carried, std::string& nose_art);
// Fills the pilot editor's nose-art choice for the current pilot.
void NoseArtBoxSetup(TMainForm& form);
// Nose-art choice changed: sets the current pilot's nose art.
void NoseArtBoxChange(TMainForm& form);
// Options menu, Random Nose Art: saves the settings and, when ticked, hands out nose art.
void RandomNoseArtClick(TMainForm& form);
// Every pilot still without nose art draws one of "None" and the folder's bitmaps; the rule
// of NoseArtCheck then applies. Saves the pilots.
void NoseArtRandomizer(TMainForm& form);

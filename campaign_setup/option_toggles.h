#pragma once

class TMainForm;

// The Options menu's items, the Mode menu's CopyMission and Scoring, and the boxes whose change
// only saves the settings. Every change is written to tavrek.ini at once.

// Connects every item and box named above to its handler, and the supply and action-radius
// boxes.
void WireOptionToggles(TMainForm& form);

// The items with more to do than turning their tick over and saving.
void AircraftDowngradesClick(TMainForm& form);
void LinkMaxClick(TMainForm& form);
void MassedBombersClick(TMainForm& form);
void NormandyBaseClick(TMainForm& form);
void ScoringClick(TMainForm& form);

// Both supply boxes of the general-settings panel: the rates follow their trimmed texts.
void SupplyComboBoxChange(TMainForm& form);
// Takes the minimum action radius from the box ("250 Kilometers"). A text that holds no whole
// number of kilometres is refused: the box shows the radius kept, nothing is saved, and the
// action stops with ProgramError.
void ActionRadiusChange(TMainForm& form);

#pragma once

class TMainForm;

// The pilot lists of the squadron editor and the pilot editor panel. The current pilot is slot
// PilotListBox.ItemIndex of squadron SquadBox.ItemIndex().

// Fills the pilot, kill and ground-kill lists with the squadron's pilots, as many as its
// maximum strength.
void PilotBox(TMainForm& form, int squadron);
// Click on the Pilot Information label: opens the editor for the last pilot in the list other
// than the player.
void PInfoClick(TMainForm& form);
// Pilot list click: picks or completes an exchange of two pilots of the player's squadron
// (off-line, with Squadron Management).
void PilotListBoxClick(TMainForm& form);
// Pilot list double click: opens the pilot editor panel on the selected pilot.
void PilotListBoxDClick(TMainForm& form);
// Close/Save: saves the roster and returns to the squadron editor.
void PilotCloseButtonClick(TMainForm& form);
// Change handlers of the panel's edits and boxes; each stores only what the roster can hold.
void NameEditChange(TMainForm& form);
void RankBoxChange(TMainForm& form);
void MFBoxChange(TMainForm& form);
void CityEditChange(TMainForm& form);
void BirthEditChange(TMainForm& form);

// Gives the panel's controls their captions, hints and items and binds their handlers.
void WirePilotEditor(TMainForm& form);

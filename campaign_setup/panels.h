#pragma once

class TMainForm;

// Panels, the mode description and the campaign check.

void CleanUpPanels(TMainForm& form);
void CleanUpCampChk(TMainForm& form);
void ModeDescription(TMainForm& form);
// Troop cap choice changed: saves the settings.
void TroopBoxChange(TMainForm& form);
// Custom mission Save/Close button: saves the campaign file and closes the panels.
void CMSaveButtonClick(TMainForm& form);
// Custom mission Save button: saves the campaign file.
void SaveCustomButtonClick(TMainForm& form);

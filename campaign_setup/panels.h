#pragma once

class TMainForm;

// Panels, the mode description and the campaign check.

// Run first by every editor, panel and creation action: every panel and the new-campaign
// controls are hidden, the backup and restore items are enabled only for a campaign folder
// that holds a campaign.
void CleanUpPanels(TMainForm& form);
// Stops the action (ProgramError "No campaign active.") when no campaign is active.
void CleanUpCampChk(TMainForm& form);
// Closes the editors: every panel hidden, then the campaign check.
void EditCloseClick(TMainForm& form);
void ModeDescription(TMainForm& form);
// Troop cap choice changed: saves the settings.
void TroopBoxChange(TMainForm& form);
// Custom mission Save/Close button: saves the campaign file and closes the panels.
void CMSaveButtonClick(TMainForm& form);
// Custom mission Save button: saves the campaign file.
void SaveCustomButtonClick(TMainForm& form);
// The general-settings panel (menu item and tool button; the button also sets DayStep to 0).
void SetDensityClick(TMainForm& form);
void DensityButtonClick(TMainForm& form);

// Connects the general-settings panel and the custom mission panel's save buttons.
void WirePanels(TMainForm& form);

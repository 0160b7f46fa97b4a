#pragma once

class TMainForm;

// Panels, the mode description and the campaign check.

void CleanUpPanels(TMainForm& form);
void CleanUpCampChk(TMainForm& form);
void ModeDescription(TMainForm& form);

#pragma once

class TMainForm;

// The pilot lists of the squadron editor and the pilot editor panel.

// Fills the pilot, kill and ground-kill lists with the squadron's pilots.
void PilotBox(TMainForm& form, int squadron);
// Pilot Information label: opens the pilot editor.
void PInfoClick(TMainForm& form);
// Pilot list click: picks or completes an exchange of two pilots.
void PilotListBoxClick(TMainForm& form);

#pragma once

class TMainForm;

// The squadron editor.

// Squadron editor menu item and button: scores the flown mission and opens the panel.
void QuickEditClick(TMainForm& form);
// Unit id or number changed: renames the squadron.
void SquadIDBoxChange(TMainForm& form);

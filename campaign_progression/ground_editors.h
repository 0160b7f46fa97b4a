#pragma once

class TMainForm;

// The ground war and ground objects editors. Both work on the campaign at once: every change
// is written to the campaign's files as it is made.

// Binds the editors' menu items, tool-bar buttons and controls; the panels start hidden.
void WireGroundEditors(TMainForm& form);

// Tool-bar button and Edit menu item of the ground war editor.
void GroundButtonClick(TMainForm& form);
// Opens the ground war editor.
void SetGround(TMainForm& form);
// Tool-bar button and Edit menu item of the ground objects editor.
void GroundObjectSettingsClick(TMainForm& form);
// Opens the ground objects editor.
void SetGroundObjects(TMainForm& form);
// Refills the lists both editors share: columns, stored static objects, key places.
void SetUpGround(TMainForm& form);

#pragma once

class TMainForm;

// Front and zone selection in the ground war editor.

// Fills the front and zone boxes with the land locations and selects the current ones.
void ManualFront(TMainForm& form);
// A new front centre (or zone): owners are rebuilt from the front, every column is put down
// anew near it, and the campaign is saved.
void SelectFrontChange(TMainForm& form);
// A key place box changed: the end trigger is kept and the campaign record saved.
void CampEndBoxChange(TMainForm& form);

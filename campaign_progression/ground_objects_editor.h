#pragma once

class TMainForm;

// The ground objects editor's changes: a column's place, unit type and unit name, and whether
// a stored static object is active.

void GUBoxChange(TMainForm& form);
// Shows the selected column: the places it may stand at, its side, service state and name.
void GUBoxChangeSender(TMainForm& form);
// Moves the selected column to the chosen place.
void GULocationBoxChange(TMainForm& form);
// Gives the selected column the chosen unit type.
void GUNameBoxChange(TMainForm& form);
// Renames the selected column's unit; a name another column carries is refused.
void ColumnNameEditChange(TMainForm& form);
// Letters, the digits 0 to 7, "_" and backspace pass; anything else is dropped.
void ColumnNameEditKeyPress(TMainForm& form, char& key);
// Shows the selected static object.
void SObBoxChange(TMainForm& form);
// Activates or deactivates the selected static object.
void SActiveBoxChange(TMainForm& form);

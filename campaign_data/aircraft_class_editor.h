#pragma once

class TMainForm;

// AircraftPanel, the editor of aircraft classes: any edit to a type's figures or loadouts goes
// into AircraftClassTable and is saved straight away to class.tavrek or payloads.tavrek.

// Fills the editor's fixed choice lists and binds its menu entry, tool-bar button and boxes.
void WireAircraftClassEditor(TMainForm& form);

// Opens the editor on the first aircraft type.
void PlaneEditorClick(TMainForm& form);
// Shows a type's figures in the boxes; changes no value.
void PlaneTypeChange(TMainForm& form, int type_index);
// Fills the six loadout boxes with the loadouts allpayloads.tavrek lists for a type.
void LoadOutsList(TMainForm& form, int type_index);

// Box handlers. Each acts on the type chosen in PlaneTypeBox; with no type chosen (a typed
// text that names none) the change is logged and not stored.
void PlaneTypeBoxChange(TMainForm& form);
void UpTypeBoxChange(TMainForm& form);
void DownTypeBoxChange(TMainForm& form);
void PFamilyBoxChange(TMainForm& form);
// Any figure box: flyable flag, service dates, transit altitude, speeds, range.
void FlyableBoxChange(TMainForm& form);
// Any of the six loadout boxes.
void WeaponBoxChange(TMainForm& form);

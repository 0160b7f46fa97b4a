#pragma once

class TMainForm;

// The squadron editor: the panel QEPanel on which every squadron of the campaign is looked
// through and changed. Each change is written to squadrons.tavrek at once; what a change may
// not do is refused before anything is stored.

// Binds the menu item, the tool-bar button and the panel's controls, with their items.
void WireSquadronEditor(TMainForm& form);

// Squadron editor menu item and button: loads and scores the campaign and opens the panel on
// the player's squadron.
void QuickEditClick(TMainForm& form);
// Fills the panel's lists and shows squadron `squadron`.
void ManualSquadron(TMainForm& form, int squadron);
// A squadron chosen in SquadBox is shown; "Add New Squadron " asks and adds one.
void SquadBoxChange(TMainForm& form);
// The bases the squadron can be given, into AirfieldBox.
void ManualAirfield(TMainForm& form, int squadron);
// The distance of the squadron's base from the front centre, into DistanceEdit.
void GetAirfieldDistance(TMainForm& form, int squadron);
// The aircraft label: type and strength, red while the aircraft is not the one loaded.
void APlaneLabelUpdate(TMainForm& form);
// Shows the insignia of the chosen squadron's side and nation.
void IconDisplay(TMainForm& form);

// Change handlers of the panel's controls; each works on the squadron chosen in SquadBox.
// Unit id or number changed: renames the squadron.
void SquadIDBoxChange(TMainForm& form);
void PlaneBoxChange(TMainForm& form);
void SkillBoxChange(TMainForm& form);
void AirfieldBoxChange(TMainForm& form);
// Any of MaxBox, MinBox and FSizeBox changed.
void MaxBoxChange(TMainForm& form);
void SetRadioBoxChange(TMainForm& form);
void ActiveBoxClick(TMainForm& form);
void AIBoxClick(TMainForm& form);

#pragma once

class TMainForm;

// The ground war editor's changes: date, zones, supplies, troop cap, owners of single places.

// The date or a zone box changed: the date and zones are taken, the armour is re-dated and
// re-placed, and the campaign is saved.
void GWChange(TMainForm& form);
// A supply or oil box changed: the bonus is kept in the campaign record, nothing else moves.
void SupplyBoxChange(TMainForm& form);
// The troop cap changed: the settings and the campaign record are saved.
void GroundTroopBoxChange(TMainForm& form);
// Shows the owner of the chosen place; places without an owner of their own grey it out.
void LocationBoxChange(TMainForm& form);
// Gives the chosen place the chosen owner and writes the territory.
void LNationBoxChange(TMainForm& form);

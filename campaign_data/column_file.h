#pragma once

class TMainForm;

// The ground-column table and columns.tavrek of the campaign folder, one column per line:
//   name kind.class army @place $unit ~letter
// The place is where the column stands (a location, a patrol area, the transport that carries
// it, or "Blank" when it is not on the map), the unit its own name, the letter its saved state.

// Reads the column file into the table and settles each column for this turn of the war:
// one stranded behind enemy lines or off the map is taken off it, a side may send a lost train
// or ship back in, landing craft take on what waits for them, ships get names, and each
// navy's ships are set out on their patrol area.
void ColumnList(TMainForm& form);
// Rewrites columns.tavrek from the table, each column at its destination.
void WriteColumnList(TMainForm& form);

#pragma once

class TMainForm;

// The ground-column table and columns.tavrek of the campaign folder, one column per line:
//   name kind.class army @place $unit ~letter
// The place is where the column stands (a location, a patrol area, the transport that carries
// it, or "Blank" when it is not on the map), the unit its own name, the letter its saved state.

// Loads the columns and applies the campaign's standing rules: columns that cannot be where
// they stand become "Blank", blank trains and ships may come back as reinforcements,
// transports pick up waiting columns, nameless ships are named, and ships are placed on their
// side's patrol area.
void ColumnList(TMainForm& form);
// Rewrites columns.tavrek from the table, each column at its destination.
void WriteColumnList(TMainForm& form);

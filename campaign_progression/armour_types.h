#pragma once

#include <string>

class TMainForm;

// Armour columns and the armour types of armor.tavrek. A type's name there is its vehicle
// count digit, a separator and the type ("3-T34"); a column is of that type when its class
// text holds "Armor" and the type followed by a blank.

// The type's key as a column's class text holds it: the name from its third character on,
// trimmed, and a blank.
std::string ArmourKey(const std::string& armour_name);
// The last type of the table that the column is of; -1 for none.
int ArmourTypeOf(const TMainForm& form, const std::string& column_type);
// The vehicles of an armour column: the digit after the first "." of its class text. Anything
// but a number counts none and is logged.
int VehicleCount(TMainForm& form, int column);

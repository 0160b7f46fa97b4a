#pragma once

#include <string>

class TMainForm;

// Armour changes by date and army names.

// Re-dates every column's armour, gives each a start place and rewrites columns.tavrek.
void StartArmor(TMainForm& form);
// Changes one column's armour type by the service dates of the armour table.
void ArmorUpGrade(TMainForm& form, int column);
// Inserts into the text the army name that side "1" or "2" has on the current map.
std::string ReplaceArmy(TMainForm& form, const std::string& text, const std::string& side);

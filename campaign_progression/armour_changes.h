#pragma once

#include <string>

class TMainForm;

// Armour changes by date and army names.

// Re-dates every column's armour, gives each a start place and rewrites columns.tavrek.
void StartArmor(TMainForm& form);
// Changes one column's armour type by the service dates of the armour table.
void ArmorUpGrade(TMainForm& form, int column);
// Puts the army name of side "1" or "2" on the current map into the text.
std::string ReplaceArmy(TMainForm& form, const std::string& text, const std::string& side);

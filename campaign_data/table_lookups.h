#pragma once

#include <string_view>

class TMainForm;

// Look-ups by name in the campaign's tables through the indexes kept beside them: each answers
// as a scan from the first entry to the table's last-used index would.

// The first location 0..LastLocation named `name`, -1 when none.
int FindLocation(const TMainForm& form, std::string_view name);
// The first location after `after` named `name`, -1 when none.
int FindLocationAfter(const TMainForm& form, std::string_view name, int after);

// The first column 0..LastColumn whose unit name is `unit_name`, -1 when none.
int FindColumnByUnitName(const TMainForm& form, std::string_view unit_name);
// The first column after `after` whose unit name is `unit_name`, -1 when none.
int FindColumnByUnitNameAfter(const TMainForm& form, std::string_view unit_name, int after);

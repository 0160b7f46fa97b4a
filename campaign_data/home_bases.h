#pragma once

#include <string_view>

class TMainForm;

// Squadron home bases.

void SquadronBase(TMainForm& form);

// A location name that makes the location a land or seaplane base: it holds "Airstrip",
// "Airfield", "Seaplane", "_Port" or "Harbor". No other location can take a squadron.
bool NamesABase(std::string_view name);

#pragma once

#include <string>

class TMainForm;

// Ground combat strengths, retreats and combat.

// Computes each location's attack and defence strengths per side.
void DetermineRetreat(TMainForm& form);
// Removes columns that lose their fight at contested locations and saves the columns.
void ResolveGroundCombat(TMainForm& form);
// True for a carrier, battleship or other capital ship type.
bool CapitalShipCheck(TMainForm& form, const std::string& ship_type);
// True when a column of `side` ("1" or "2") stands at the column's destination.
bool RetreatsCheck(const TMainForm& form, int column, const std::string& side);

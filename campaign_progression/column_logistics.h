#pragma once

#include <string>

class TMainForm;

// Ground-column moves between missions.

// Refills, deploys, unloads and resupplies columns; "Yes" also builds up troops.
void ColumnLocation(TMainForm& form, const std::string& mode);
// Moves columns to their destinations after a mission and rewrites columns.tavrek.
void UpdateColumnList(TMainForm& form);

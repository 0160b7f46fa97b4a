#pragma once

class TMainForm;

// Column routes and the column sections of the mission.

// Routes every column and builds the mission's column texts.
void ColumnRoads(TMainForm& form);

#pragma once

class TMainForm;

// The mission planner.

// Gives every active squadron its mission, target, escort links and planned legs.
void GenerateWays(TMainForm& form);

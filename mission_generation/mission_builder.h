#pragma once

class TMainForm;

// The mission file builder.

// Builds the mission text from the plan, the ground war and the roster.
void GenerateMission(TMainForm& form);

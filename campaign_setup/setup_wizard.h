#pragma once

class TMainForm;

// Run menu, Set Up Wizard: asks a few yes/no questions to choose the squadron density, how many
// flights each squadron keeps active, the action radius and how even the two sides are, and at
// the end offers to replace the game's career and co-op generators with this program. Only
// settings change.
void WizardMenuClick(TMainForm& form);

#pragma once

class TMainForm;

// Run menu, Set Up Wizard: a few yes/no questions that set the squadron density, the active
// flights per squadron, the action radius and the balance of the sides, then offer to put the
// program in place of the game's career and co-op generators. Only settings change.
void WizardMenuClick(TMainForm& form);

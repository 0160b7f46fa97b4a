#pragma once

class TMainForm;

// The campaign modes of the Mode menu.

void AutoGenerationClickSender(TMainForm& form);
void CoopClickSender(TMainForm& form);
void DogfightClickSender(TMainForm& form);
void DGENToggle(TMainForm& form);
// Ticks DGENBoot when the game's career generator is the program (by the size of DGen.exe).
void DGenReplacement(TMainForm& form);

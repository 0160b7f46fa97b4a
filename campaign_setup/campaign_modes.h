#pragma once

class TMainForm;

// The campaign modes of the Mode menu.

void AutoGenerationClickSender(TMainForm& form);
void CoopClickSender(TMainForm& form);
void DogfightClickSender(TMainForm& form);
void DGENToggle(TMainForm& form);
void NGenToggle(TMainForm& form);

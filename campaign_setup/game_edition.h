#pragma once

class TMainForm;

// The game edition and its folders.

void GameIDCheck(TMainForm& form);
// Game folder dialog: takes the chosen game folder; always lets the dialog close.
void SetGamePathCanClose(TMainForm& form, bool& can_close);

#pragma once

class TMainForm;

// The player's pilot name.

void PlayerNameCheck(TMainForm& form);

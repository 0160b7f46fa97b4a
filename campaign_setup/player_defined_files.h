#pragma once

class TMainForm;

// The game career generator's "Player Defined" files for the battle and service chosen on the
// new-campaign screen.
void WritePlayerDefinedFiles(TMainForm& form);

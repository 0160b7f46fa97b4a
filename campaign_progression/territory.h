#pragma once

class TMainForm;

// Territory ownership.

void ReadTerritory(TMainForm& form);
void SetTgtNation(TMainForm& form, int mode);

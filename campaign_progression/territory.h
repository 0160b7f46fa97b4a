#pragma once

class TMainForm;

// Territory ownership.

void ReadTerritory(TMainForm& form);
void SetTgtNation(TMainForm& form, int mode);
// Writes territory.tavrek and locations.tavrek from owners and troops.
void DefineTerritory(TMainForm& form);

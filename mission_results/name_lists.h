#pragma once

class TMainForm;

// Home towns and pilot surnames.

void CityNames(TMainForm& form);
void CustomPilotNames(TMainForm& form);
// Gives the pilot a random name of the squadron's nation, a portrait and a home town.
void PilotName(TMainForm& form, int squadron, int slot);
// Renames the pilot while another pilot of the roster has the same name.
void PilotNameCheck(TMainForm& form, int squadron, int slot);

#pragma once

class TMainForm;

// Home towns and pilot surnames.

void CityNames(TMainForm& form);
void CustomPilotNames(TMainForm& form);

#pragma once

class TMainForm;

// Historical aces.

// Places the historical aces of the campaign date into the squadron's slots.
void LoadAces(TMainForm& form, int squadron);

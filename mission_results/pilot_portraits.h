#pragma once

class TMainForm;

// Pilot portraits.

// Shows the portrait of the pilot in the slot.
void LoadPilotPhoto(TMainForm& form, int squadron, int slot);

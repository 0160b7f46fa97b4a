#pragma once

class TMainForm;

// The most troops a side may hold at one place: the Maximum Troop Number box of the ground war
// editor. A box text that is no whole number is logged and throws ConversionError.
int TroopCap(TMainForm& form);
// Cuts both sides' troops of every location 0..LastLocation down to the cap.
void CapTroops(TMainForm& form, int cap);

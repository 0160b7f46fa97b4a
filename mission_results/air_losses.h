#pragma once

#include <string>

class TMainForm;

// Aircraft lost in the flown mission.

// A standard mission's "shot down by" line; answers the victim's army ("" when unknown).
std::string StandardShotDown(TMainForm& form, const std::string& line);
// A standard mission's "crashed at" line.
void StandardCrash(TMainForm& form, const std::string& line);
// A dogfight's "shot down by" line; answers the victim's army ("" when unknown).
std::string DogFightShotDown(TMainForm& form, const std::string& line);
// A dogfight's "crashed at" line.
void DogFightCrash(TMainForm& form, const std::string& line);

// Records the loss of the pilot with this roster name.
void ShotDown(TMainForm& form, const std::string& pilot_name);
void Crashed(TMainForm& form, const std::string& pilot_name);
// After a reconnaissance sortie, cuts the recon value of the side the squadron belongs to.
void ReconCheck(TMainForm& form, int squadron);

// One aircraft less for the squadron; at no aircraft the loss falls on a sister squadron of the
// same aircraft at the same base. Throws ConversionError for a strength that is no number.
void LowerStrength(TMainForm& form, int squadron);

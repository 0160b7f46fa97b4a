#pragma once

#include <string>

class TMainForm;

// Aircraft paints and markings.

void UniversalPaints(TMainForm& form);
void ApplySingleUniversalPaint(TMainForm& form, int squadron);
// Standard skins for squadrons that have none; saves squadrons and pilots.
void ApplyUniversalPaints(TMainForm& form);
void AcesPaints(TMainForm& form);
// Gives every pilot slot its skin from the squadron and paints.tavrek.
void LoadPaints(TMainForm& form);
// Fills the pilot editor's skin choice for the current pilot.
void PaintBoxSetup(TMainForm& form);
// Skin choice changed: sets the current pilot's skin.
void PaintBoxChange(TMainForm& form);
// Markings choice changed: toggles the current pilot's markings.
void MarkBoxChange(TMainForm& form);
// Writes bmp.bmp, a copy of the bitmap the preview can show.
void DisplayPSBitmap(TMainForm& form, const std::string& bitmap_path);

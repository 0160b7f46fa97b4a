#pragma once

#include <string>
#include <string_view>

class TMainForm;
class TImage;

// Aircraft paints and markings. A paint value is the markings digit ("1" shown, "0" none) and a
// skin bitmap of the game's "PaintSchemes\Skins\<aircraft>\" folder. allpaints.tavrek holds the
// standard paint of every aircraft type, "<type>=<summer value>/<winter value>";
// acepaints.tavrek the same lines under "[<ace's name>]" headers; paints.tavrek (written with the
// pilots) one block per squadron of the pilots' own paints.

// Completes allpaints.tavrek with a default line for every type of class.tavrek and drops the
// lines of types it no longer lists.
void UniversalPaints(TMainForm& form);
// Gives the squadron and all 16 of its pilots the seasonal standard paint of their aircraft
// type, then saves squadrons and pilots.
void ApplySingleUniversalPaint(TMainForm& form, int squadron);
// Gives every squadron still without a skin the standard one, then saves squadrons and pilots.
void ApplyUniversalPaints(TMainForm& form);
// Historical aces fly their own paint while they fly an aircraft type their line names.
void AcesPaints(TMainForm& form);
// Gives every pilot slot its skin from the squadron and paints.tavrek.
void LoadPaints(TMainForm& form);

// Squadron editor: the skin choice of the squadron chosen in SquadBox.
// Fills SkinBox with "default.bmp" and the squadron's skin bitmaps.
void SkinBoxList(TMainForm& form);
// Skin chosen: the squadron and its pilots take it with markings; saves both.
void SkinBoxChange(TMainForm& form);
// Shows the chosen skin in SkinImage.
void SkinBoxSelection(TMainForm& form);
// Markings choice changed: the squadron's and its pilots' markings; saves both.
void MarkingsOnClick(TMainForm& form);
// "Apply to All": every squadron of the same aircraft takes the squadron's paint, which also
// becomes the type's standard paint of the season in allpaints.tavrek.
void UniformButtonClick(TMainForm& form);

// Pilot editor: the paint of the pilot chosen in PilotListBox.
// Fills the pilot editor's skin choice for the current pilot.
void PaintBoxSetup(TMainForm& form);
// Skin choice changed: sets the current pilot's skin.
void PaintBoxChange(TMainForm& form);
// Markings choice changed: toggles the current pilot's markings.
void MarkBoxChange(TMainForm& form);
// Writes bmp.bmp, a copy of the bitmap the preview can show.
void DisplayPSBitmap(TMainForm& form, const std::string& bitmap_path);

// Helpers of the skin and nose-art previews.
// The squadron's skin folder, ending in "\".
std::string SkinFolder(const TMainForm& form, int squadron);
// Shows the bitmap; one the picture loader cannot read is shown through DisplayPSBitmap's copy.
void ShowBitmapPreview(TMainForm& form, TImage& image, const std::string& path);

// One line of allpaints.tavrek or acepaints.tavrek.
struct PaintLine {
  std::string type;
  std::string summer;
  std::string winter;
};
PaintLine ReadPaintLine(std::string_view line);
// The bytes DisplayPSBitmap writes for a bitmap's bytes.
std::string RepairedBitmapBytes(std::string_view bitmap);

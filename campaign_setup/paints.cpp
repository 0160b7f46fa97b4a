#include "campaign_setup/paints.h"

#include "app/main_form.h"

// Not built yet: the operation changes nothing.

void UniversalPaints(TMainForm& form) {
  (void)form;
}
void ApplySingleUniversalPaint(TMainForm& form, int squadron) {
  (void)form;
  (void)squadron;
}
void ApplyUniversalPaints(TMainForm& form) {
  (void)form;
}
void AcesPaints(TMainForm& form) {
  (void)form;
}
void LoadPaints(TMainForm& form) {
  (void)form;
}
void PaintBoxSetup(TMainForm& form) {
  (void)form;
}
void PaintBoxChange(TMainForm& form) {
  (void)form;
}
void MarkBoxChange(TMainForm& form) {
  (void)form;
}
void DisplayPSBitmap(TMainForm& form, const std::string& bitmap_path) {
  (void)form;
  (void)bitmap_path;
}

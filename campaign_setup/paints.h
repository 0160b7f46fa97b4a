#pragma once

class TMainForm;

// Aircraft paints and markings.

void UniversalPaints(TMainForm& form);
void ApplySingleUniversalPaint(TMainForm& form, int squadron);
void AcesPaints(TMainForm& form);

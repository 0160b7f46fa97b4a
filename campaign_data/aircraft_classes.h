#pragma once

class TMainForm;

// Aircraft classes and payloads.

void LoadPlaneInfo(TMainForm& form);

#pragma once

class TMainForm;

// Aircraft changes by date.

void AlternateAircraft(TMainForm& form, int squadron);

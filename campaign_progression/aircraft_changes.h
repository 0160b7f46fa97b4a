#pragma once

class TMainForm;

// Aircraft changes by date.

void AlternateAircraft(TMainForm& form, int squadron);
// May change the squadron's aircraft type by the date; a larger pace changes it less often.
void HistoricDate(TMainForm& form, int squadron, int pace);

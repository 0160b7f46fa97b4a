#pragma once

class TMainForm;

// Aircraft changes by date.

void AlternateAircraft(TMainForm& form, int squadron);
// May change the squadron's aircraft type by the date; a larger pace changes it less often.
void HistoricDate(TMainForm& form, int squadron, int pace);
// A new campaign's squadrons step down to the types in service at its start date.
void PlaneDownGrade(TMainForm& form);

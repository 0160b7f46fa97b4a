#pragma once

class TMainForm;

// Career creation from the command line.

void ChangeNation(TMainForm& form);
void CampPathChk(TMainForm& form);

#pragma once

class TMainForm;

// The settings file tavrek.ini and the folder dialogs.

void ReadIni(TMainForm& form);
void WriteIni(TMainForm& form);
void SetMainPathCanClose(TMainForm& form, bool& can_close);
void SelectCampPathClick(TMainForm& form);
void SetCampPathCanClose(TMainForm& form, bool& can_close);
void ThirdPartyPathMenuClick(TMainForm& form);
void Set3rdPartyPathCanClose(TMainForm& form, bool& can_close);

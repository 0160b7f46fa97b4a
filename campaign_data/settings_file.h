#pragma once

class TMainForm;

// The settings file tavrek.ini and the folder dialogs.

// Loads tavrek.ini of the program folder into the controls and settings. A missing file leaves
// the defaults; a shorter (older) file is read as far as it goes; a line that is no text, or a
// line 12 that holds no action radius, is logged and leaves its setting as it was.
void ReadIni(TMainForm& form);
// Saves the complete settings file in the program folder, plus a copy in the game folder once
// that folder is known. Interactive runs first check that the program folder contains the
// program, prompting the user up to three times. Write failures are logged; then an
// interactive save throws FileError and a command-line run stops through ErrorTrap.
void WriteIni(TMainForm& form);
void SetMainPathCanClose(TMainForm& form, bool& can_close);
void SelectCampPathClick(TMainForm& form);
void SetCampPathCanClose(TMainForm& form, bool& can_close);
void ThirdPartyPathMenuClick(TMainForm& form);
void Set3rdPartyPathCanClose(TMainForm& form, bool& can_close);

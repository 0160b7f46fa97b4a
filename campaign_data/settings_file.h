#pragma once

class TMainForm;

// The settings file tavrek.ini and the folder dialogs.

// Loads tavrek.ini of the program folder into the controls and settings. A missing file leaves
// the defaults; a shorter (older) file is read as far as it goes; a line that is no text, or a
// line 12 that holds no action radius, is logged and leaves its setting as it was.
void ReadIni(TMainForm& form);
// Writes the whole file to the program folder and, when the game folder is known, a copy
// there. In an interactive run it first makes sure the program folder holds the program, asking
// the user at most three times. A file that cannot be written is logged; an interactive save
// then throws FileError, a command-line run ends through ErrorTrap.
void WriteIni(TMainForm& form);
void SetMainPathCanClose(TMainForm& form, bool& can_close);
void SelectCampPathClick(TMainForm& form);
void SetCampPathCanClose(TMainForm& form, bool& can_close);
void ThirdPartyPathMenuClick(TMainForm& form);
void Set3rdPartyPathCanClose(TMainForm& form, bool& can_close);

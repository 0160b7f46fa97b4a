#pragma once

#include <string>

class TMainForm;

// The game edition, the game and program folders, and starting the game.

// The game's install folder as its installer recorded it, or empty.
std::string GameVersionCheck(TMainForm& form);
// Identifies the edition of the game folder and sets the menus, the flags and the listener
// that follow from it. An interactive run without a game in the game folder first asks for it.
void GameIDCheck(TMainForm& form);
// Game folder dialog: takes the chosen game folder; always lets the dialog close.
void SetGamePathCanClose(TMainForm& form, bool& can_close);
// Files menu: lets the user pick the game's executable.
void SelectIL2Click(TMainForm& form);
// Files menu: lets the user pick the program's own executable.
void TavrekSelectClick(TMainForm& form);
// Files menu: shows the version chooser.
void SetGameVersionNow(TMainForm& form);
// The version chooser's choice becomes the edition.
void VersionBoxChange(TMainForm& form);
// Shows the program's version and the game edition at the top of the window.
void VersionInfoDisplay(TMainForm& form);
// Run Game: starts the game, or the server's launcher, through the shell.
void IL2GameClick(TMainForm& form);

#pragma once

#include <string>

class TMainForm;

// The program in place of the game's co-op campaign generator NGen.exe: the switch of the Mode
// menu item NGenBoot, and the start-up test that tells whether it already stands there.

// Switches the replacement over. Switching on copies the program over NGen.exe (the game's own
// kept once as NGen_bak.exe) and writes, into the game's NGen folder, one co-op campaign file for
// each battle in the campaign list; switching off puts the backup back and removes those files. The
// on-line script runs put the backup back without asking and keep the files. Everything a
// switch needs is checked before anything changes; a run without window asks nothing and
// switches nothing but the on-line scripts' restore.
void NGenToggle(TMainForm& form);

// Ticks NGenBoot when the game's NGen.exe is the program's executable.
void NGenReplacement(TMainForm& form);

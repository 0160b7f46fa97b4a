#pragma once

#include <string>
#include <string_view>

class TMainForm;

// Where the running program lives. Parameter 0 of the command line is the program's own path
// (the process's executable when the entry fills it in), so a test can place a program in a
// folder of its own.

std::string RunningProgramPath(const TMainForm& form);
// The folder of the running program, ending in a separator.
std::string RunningProgramFolder(const TMainForm& form);
// ProgramFolder is known and holds the running program's executable file.
bool ProgramFolderHoldsProgram(const TMainForm& form);
// Two folder texts name the same folder (separators, a trailing separator and the letter case
// of existing parts do not count).
bool SameFolder(std::string_view a, std::string_view b);

// Claims the program folder (ProgramFolder, else the running program's folder) for this run,
// so that two copies of the program never save over each other's settings, run log and
// campaign. A folder another copy holds is refused: the user is told, nothing of this run is
// written there (ProgramFolderInUse), and the run ends; a hidden run with an error status.
// Answers whether the run may go on. A folder that cannot be claimed at all (missing, not
// readable) is no refusal: writing there fails on its own, and says so.
bool ClaimProgramFolder(TMainForm& form);

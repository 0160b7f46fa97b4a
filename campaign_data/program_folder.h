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

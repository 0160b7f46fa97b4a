#pragma once

#include <string>

class TMainForm;

// The files the switches of the game's generators copy: the program's own executable, which
// the game then starts in place of its generator, and a folder's plain files.

// The program's executable in the program folder (the file that stands for "tavrek.exe"): the
// running program's own name, else "tavrek.exe", else "tavrek"; empty when none is there.
std::string ProgramExecutable(const TMainForm& form);

// Both files exist and hold the same bytes.
bool SameFileContents(const std::string& a, const std::string& b);

// Copies every plain file of `from` into `to` under the same name, overwriting; creates `to`
// (one level) when it is missing. Answers the names that could not be copied.
std::string CopyPlainFiles(const std::string& from, const std::string& to);

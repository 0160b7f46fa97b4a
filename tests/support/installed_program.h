#pragma once

#include <string>
#include <vector>

#include "tests/support/test_world.h"

// The program as installed: its executable "tavrek" lies in the world's program folder, and
// parameter 0 of the command line names it there, so start-up finds that folder as the
// program's own, and its data/ holds what start-up reads (InstallStartupData). Replaces the world's
// window with one started with these arguments.
void InstallProgram(TestWorld& world, const std::vector<std::string>& arguments = {});

// Places in the program folder's data/ what start-up and the loading of a campaign read
// there: the shipped message files and the reference fixture's files.
void InstallStartupData(const TempFolder& program_folder);

// Writes the program's settings file, tavrek.ini, with these lines.
void WriteSettingsFile(const TestWorld& world, const std::vector<std::string>& lines);

// The world's program folder + name.
std::string ProgramFile(const TestWorld& world, const std::string& name);

// Window creation as the program runs it: an exception that escapes FormCreate goes to the
// program's handler, so a hidden run logs it and ends as failed.
void CreateWindowAsTheProgramDoes(TMainForm& form);

// The lines of the run log held in memory, without their time stamps.
std::vector<std::string> RunLogMessages(const TMainForm& form);

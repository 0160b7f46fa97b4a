#pragma once

#include <string>
#include <vector>

#include "tests/support/test_world.h"

// The program as installed: its executable "tavrek" lies in the world's program folder, and
// parameter 0 of the command line names it there, so start-up finds that folder as the
// program's own. Replaces the world's window with one started with these arguments.
void InstallProgram(TestWorld& world, const std::vector<std::string>& arguments = {});

// The world's program folder + name.
std::string ProgramFile(const TestWorld& world, const std::string& name);

// The lines of the run log held in memory, without their time stamps.
std::vector<std::string> RunLogMessages(const TMainForm& form);

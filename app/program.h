#pragma once

#include <string>
#include <vector>

class PlatformServices;

// One run of the program: the window is created (hidden when there is any argument), start-up
// runs inside its creation, and the message loop runs until the application quits. Answers the
// process's exit status: 0, or 1 after a fatal error.
int RunProgram(std::vector<std::string> command_line);
int RunProgram(PlatformServices& platform, std::vector<std::string> command_line);

#pragma once

#include <string>
#include <vector>

#include <exception>

class PlatformServices;
class TMainForm;

// One run of the program: the window is created (hidden when there is any argument), start-up
// runs inside its creation, and the message loop runs until the application quits. Answers the
// process's exit status: 0, or 1 after a fatal error.
//
// A command-line run shows nothing: an error that reaches the top is logged to the run log and
// ends the run with status 1.
int RunProgram(std::vector<std::string> command_line);
// The same on the given services; parameter 0 is taken as the program's own path.
int RunProgram(PlatformServices& platform, std::vector<std::string> command_line);

// An error that no action caught: a command-line run logs it and ends as failed; an
// interactive run shows it in a message box and goes on.
void ReportUncaughtError(TMainForm& form, const std::exception& error);

#pragma once

#include <exception>
#include <string>
#include <vector>

class PlatformServices;
class TMainForm;
class TerminalInput;

// One run of the program: the window is created (hidden when there is any argument), start-up
// runs inside its creation, and the message loop runs until the application quits. Answers the
// process's exit status: 0, or 1 after a fatal error.
//
// A command-line run shows nothing: an error that reaches the top is logged to the run log and
// ends the run with status 1. A run without arguments shows its window on the terminal and
// takes its commands and dialog answers from standard input.
int RunProgram(std::vector<std::string> command_line);
// The same on the given services; parameter 0 is taken as the program's own path. With a
// terminal, a run that shows its window shows it there (the services' dialogs should then be
// on the same terminal).
int RunProgram(PlatformServices& platform, std::vector<std::string> command_line,
               TerminalInput* terminal = nullptr);

// An error that no action caught: a command-line run logs it and ends as failed; an
// interactive run shows it in a message box and goes on.
void ReportUncaughtError(TMainForm& form, const std::exception& error);

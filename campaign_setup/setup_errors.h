#pragma once

#include <string>

class TMainForm;

// How the set-up operations stop on a failure.

// Logs the text and stops the operation with it (ProgramError).
[[noreturn]] void LogAndStop(TMainForm& form, const std::string& log_text,
                             const std::string& error_text);
// The fatal-error path (ErrorTrap), and the operation stops in every run: a command-line run,
// which ErrorTrap lets go on, stops here with the same text.
[[noreturn]] void ErrorTrapAndStop(TMainForm& form, const std::string& message);

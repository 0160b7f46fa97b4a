#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/dialogs.h"
#include "platform/terminal_input.h"

// Dialogs on the terminal: the question is printed and the answer is the next input line,
// waited for at once, as a dialog holds up the window until it is answered. A box with only
// an Ok button is printed and needs no answer. When the input ends, every dialog takes the
// way of Cancel (or No), as a run without a window does.
class TerminalDialogs : public Dialogs {
 public:
  TerminalDialogs(TerminalInput& input, std::ostream& out) : input_(input), out_(out) {}

  ModalResult MessageBox(const std::string& text, const std::string& caption,
                         MessageButtons buttons) override;
  // A path typed relative to the dialog's start folder is taken from there.
  std::optional<std::string> OpenFile(const OpenDialogRequest& request) override;
  // An empty line cancels.
  std::optional<std::string> InputQuery(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;

 private:
  // The next answer, without an "answer" word before it; nothing at the end of the input.
  std::optional<std::string> Answer();

  TerminalInput& input_;
  std::ostream& out_;
};

// A text of the program (Windows-1252, lines ended by CR LF) as the terminal shows it.
std::string TerminalText(const std::string& text);
// A line typed at the terminal without the blanks and tabs around it.
std::string TrimBlanks(const std::string& text);
// A line read from the terminal (UTF-8, or Windows-1252 from a script) as it shows it again.
std::string EchoText(const std::string& line);

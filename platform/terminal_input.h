#pragma once

#include <optional>
#include <string>

// The lines typed on the terminal, or piped in by a script. The front end takes them as the
// message loop reports input; a dialog waits for its answer among the same lines, so both
// read through one buffer and no line is lost between them.
class TerminalInput {
 public:
  explicit TerminalInput(int fd) : fd_(fd) {}
  TerminalInput(const TerminalInput&) = delete;
  TerminalInput& operator=(const TerminalInput&) = delete;

  int Fd() const { return fd_; }
  // A person types at it (rather than a script feeding it).
  bool Interactive() const;

  // Takes what the descriptor holds now, with one read; false once the input has ended.
  bool ReadAvailable();
  // The next whole line without its line end ("\n" or "\r\n"); once the input has ended, also
  // an unfinished last line.
  std::optional<std::string> TakeLine();
  bool HasLine() const;
  // Waits for the next line; nothing when the input ends first.
  std::optional<std::string> WaitLine();
  // The input has ended and every line has been taken.
  bool AtEnd() const { return ended_ && buffer_.empty(); }

 private:
  int fd_;
  std::string buffer_;
  bool ended_ = false;
};

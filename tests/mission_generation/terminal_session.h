#pragma once

#include <unistd.h>

#include <chrono>
#include <sstream>
#include <string>

#include "platform/terminal_front_end.h"
#include "platform/terminal_input.h"
#include "tests/support/test_world.h"

// The world's main window on a terminal: a script of commands goes in through a pipe, as a user
// would type them, and the window's answers come back as the terminal shows them. An error of
// a handler is shown as the program shows it (the world's scripted dialogs must expect it).
class TerminalSession {
 public:
  explicit TerminalSession(TestWorld& world) : world_(world) {
    if (::pipe(fds_) != 0) fds_[0] = fds_[1] = -1;
    input_ = std::make_unique<TerminalInput>(fds_[0]);
    world.platform->Loop().SetExceptionHandler(
        [&world](const std::exception& error) { world.form->Application.ShowException(error); });
  }
  ~TerminalSession() {
    for (int fd : fds_) {
      if (fd >= 0) ::close(fd);
    }
  }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Runs the commands, one per line, to the end of the input; answers what the terminal showed.
  std::string Run(const std::string& script) {
    std::ostringstream out;
    TerminalFrontEnd front_end(world_.form->Controls, world_.platform->Loop(),
                               world_.platform->HotKeyService(), *input_, out);
    front_end.Start();
    const ssize_t written = ::write(fds_[1], script.data(), script.size());
    ::close(fds_[1]);
    fds_[1] = -1;
    if (written != static_cast<ssize_t>(script.size())) return "(script not written)";
    world_.platform->Loop().RunUntil([] { return false; }, std::chrono::milliseconds(5000));
    return out.str();
  }

 private:
  TestWorld& world_;
  int fds_[2] = {-1, -1};
  std::unique_ptr<TerminalInput> input_;
};

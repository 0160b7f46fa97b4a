#pragma once

#include <exception>
#include <string>

#include "platform/dialogs.h"
#include "platform/event_loop.h"

// The application object: its title, whether the main window shows, the request to end the
// process, and the standard handler of an exception that no action caught.
class TApplication {
 public:
  TApplication(EventLoop& loop, Dialogs& dialogs) : loop_(loop), dialogs_(dialogs) {}

  // The request to end: it takes effect when control returns to the message loop, so the
  // running operation goes on to its end. Requests are cumulative and idempotent.
  void Terminate() { loop_.RequestQuit(); }
  bool Terminated() const { return loop_.QuitRequested(); }

  // Shows the message of an exception that reached the message loop, in a box titled with the
  // application's title. A run without a window is marked failed by it; in the window the user
  // has read the message and goes on.
  void ShowException(const std::exception& error);

  // A fatal error happened; the process ends with a non-zero status.
  void MarkFailed() { failed_ = true; }
  bool Failed() const { return failed_; }
  int ExitCode() const { return failed_ ? 1 : 0; }

  std::string Title = "Tavrek";
  bool ShowMainForm = true;

 private:
  EventLoop& loop_;
  Dialogs& dialogs_;
  bool failed_ = false;
};

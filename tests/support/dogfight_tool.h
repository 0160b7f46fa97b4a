#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/event_loop.h"

// The dogfight-server tool as the program meets it: a connection to the link's listener on
// 127.0.0.1, driven by the test. Its calls turn the program's message loop while they wait, so
// the listener in the same thread serves the connection meanwhile; none waits for long.
class DogfightTool {
 public:
  DogfightTool(EventLoop& loop, int port);
  ~DogfightTool();
  DogfightTool(const DogfightTool&) = delete;
  DogfightTool& operator=(const DogfightTool&) = delete;

  // The first line the listener sent, with its line end; empty when none came in time.
  std::string Banner();
  void Send(std::string_view bytes);
  void Close();
  // Closes so that the listener sees a reset.
  void Reset();

 private:
  EventLoop& loop_;
  int fd_ = -1;
};

// Descriptors open in this process.
int OpenDescriptorCount();

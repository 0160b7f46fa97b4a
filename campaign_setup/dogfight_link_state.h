#pragma once

#include <deque>
#include <string>

// The dogfight link's own state: where it listens and the missions the server tool asked for
// that wait for the generation running now.
struct DogfightLinkState {
  std::string Port = "2002";  // a test listens on "0", a port of the system's choice
  bool Generating = false;    // a mission the tool asked for is being generated
  std::deque<std::string> Waiting;
};

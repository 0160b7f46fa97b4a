#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/test_world.h"

// The built program, run as a process of its own from a folder of its own.

struct ProgramRun {
  bool ended = false;    // by itself, within the time allowed
  int exit_status = -1;  // when it ended by exiting
  std::string output;    // what it wrote to standard output and standard error
};

// Copies the built program into `folder`, with the shipped data/ beside it.
void InstallBuiltProgram(const TempFolder& folder);

// Runs the program installed in `folder` with these arguments, feeding `input` to its standard
// input through a pipe that is closed after it. A run still going after `limit` is killed.
ProgramRun RunBuiltProgram(const TempFolder& folder, const std::vector<std::string>& arguments,
                           const std::string& input,
                           std::chrono::seconds limit = std::chrono::seconds(60));

// Program entry: builds the platform services and the main window, then runs the message loop.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"

int main(int argc, char** argv) {
  std::vector<std::string> command_line(argv, argv + argc);
  return RunProgram(command_line);
}

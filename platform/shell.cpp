#include "platform/shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <vector>

#include "platform/file_system.h"

extern char** environ;

namespace {

// Starts the program detached: a child that starts it and leaves at once, so the program is
// adopted and never waited for.
bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& folder) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    if (!folder.empty() && ::chdir(ResolvePath(folder).c_str()) != 0) ::_exit(127);
    pid_t grandchild = 0;
    const int status = ::posix_spawn(&grandchild, program.c_str(), nullptr, nullptr,
                                     argv.data(), environ);
    ::_exit(status == 0 ? 0 : 127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> SplitParameters(const std::string& parameters) {
  std::vector<std::string> words;
  std::istringstream in(parameters);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

bool PosixShell::Open(const std::string& file, const std::string& parameters,
                      const std::string& folder) {
  const std::string program = ResolvePath(file).string();
  if (::access(program.c_str(), X_OK) != 0) return false;
  return SpawnDetached(program, SplitParameters(parameters), folder);
}

bool PosixShell::Explore(const std::string& folder) {
  if (!DirectoryExists(folder)) return false;
  const char* opener = "/usr/bin/xdg-open";
  if (::access(opener, X_OK) != 0) return false;
  return SpawnDetached(opener, {ResolvePath(folder).string()}, "");
}

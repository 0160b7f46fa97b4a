#include "platform/shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <sstream>
#include <vector>

#include "platform/file_system.h"

extern char** environ;

namespace {

constexpr const char* kDesktopOpener = "/usr/bin/xdg-open";

// Starts the program detached: a child that starts it and leaves at once, so the program is
// adopted and never waited for. It reads nothing of this program's input and holds none of
// its descriptors (the listener's socket, the terminal).
bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& folder) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const std::string working_folder = folder.empty() ? std::string() : ResolvePath(folder).string();
  // Made before the fork: the child of a process with other threads (the name look-ups) must
  // not allocate, as another thread may have held the allocator's lock when it was forked.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

  const pid_t child = ::fork();
  if (child == 0) {
    if (!working_folder.empty() && ::chdir(working_folder.c_str()) != 0) ::_exit(127);
    pid_t grandchild = 0;
    const int status =
        ::posix_spawn(&grandchild, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::_exit(status == 0 ? 0 : 127);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (child < 0) return false;
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> SplitParameters(const std::string& parameters) {
  std::vector<std::string> words;
  std::istringstream in(parameters);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool OpenWithDesktop(const std::string& target) {
  if (::access(kDesktopOpener, X_OK) != 0) return false;
  return SpawnDetached(kDesktopOpener, {target}, "");
}

}  // namespace

bool PosixShell::Open(const std::string& file, const std::string& parameters,
                      const std::string& folder) {
  if (file.find("://") != std::string::npos) return OpenWithDesktop(file);
  const std::string path = ResolvePath(file).string();
  if (FileExists(file) && ::access(path.c_str(), X_OK) == 0) {
    return SpawnDetached(path, SplitParameters(parameters), folder);
  }
  if (FileExists(file) || DirectoryExists(file)) return OpenWithDesktop(path);
  return false;
}

bool PosixShell::Explore(const std::string& folder) {
  if (!DirectoryExists(folder)) return false;
  return OpenWithDesktop(ResolvePath(folder).string());
}

#include "tests/app/built_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace {

void CloseIfOpen(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

[[noreturn]] void ExecProgram(const std::string& program, const std::vector<std::string>& arguments,
                              int input, int output) {
  ::dup2(input, STDIN_FILENO);
  ::dup2(output, STDOUT_FILENO);
  ::dup2(output, STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

}  // namespace

void InstallBuiltProgram(const TempFolder& folder) {
  std::filesystem::copy_file(TAVREK_PROGRAM, folder.Path() + "tavrek");
  std::filesystem::copy(SourceDataFolder(), folder.Path() + "data",
                        std::filesystem::copy_options::recursive);
}

ProgramRun RunBuiltProgram(const TempFolder& folder, const std::vector<std::string>& arguments,
                           const std::string& input, std::chrono::seconds limit) {
  int to_child[2];
  int from_child[2];
  if (::pipe2(to_child, O_CLOEXEC) != 0) return {};
  if (::pipe2(from_child, O_CLOEXEC) != 0) {
    ::close(to_child[0]);
    ::close(to_child[1]);
    return {};
  }
  // The script is written at once: it fits the pipe, and a closed pipe reads as the end.
  const pid_t child = ::fork();
  if (child == 0) ExecProgram(folder.Path() + "tavrek", arguments, to_child[0], from_child[1]);
  CloseIfOpen(to_child[0]);
  CloseIfOpen(from_child[1]);
  ProgramRun run;
  if (child < 0) {
    CloseIfOpen(to_child[1]);
    CloseIfOpen(from_child[0]);
    return run;
  }
  ::signal(SIGPIPE, SIG_IGN);
  const ssize_t written = ::write(to_child[1], input.data(), input.size());
  (void)written;  // a program that ends before reading its input shows in its output
  CloseIfOpen(to_child[1]);

  const auto deadline = std::chrono::steady_clock::now() + limit;
  char buffer[4096];
  while (from_child[0] >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd watch{from_child[0], POLLIN, 0};
    if (::poll(&watch, 1, static_cast<int>(left.count())) <= 0) continue;
    const ssize_t got = ::read(from_child[0], buffer, sizeof buffer);
    if (got <= 0) {
      CloseIfOpen(from_child[0]);
    } else {
      run.output.append(buffer, static_cast<size_t>(got));
    }
  }
  CloseIfOpen(from_child[0]);

  int status = 0;
  pid_t ended = 0;
  while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    ::usleep(20000);
  }
  if (ended == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return run;
  }
  run.ended = true;
  if (WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  return run;
}

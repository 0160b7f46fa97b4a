#include "platform/process.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

int CurrentProcessId() {
  return static_cast<int>(::getpid());
}

bool ProcessRunning(int process_id) {
  if (process_id <= 0) return false;
  if (::kill(static_cast<pid_t>(process_id), 0) == 0) return true;
  return errno != ESRCH;
}

#include "platform/stale_temporaries.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_system.h"

namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool ProcessAlive(long pid) {
  if (pid == static_cast<long>(::getpid())) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

long TemporaryOwner(std::string_view file_name) {
  const size_t tmp = file_name.rfind(".tmp");
  if (tmp == std::string_view::npos || tmp == 0) return -1;
  const std::string_view rest = file_name.substr(tmp + 4);
  const size_t underscore = rest.find('_');
  if (underscore == std::string_view::npos) return -1;
  const std::string_view pid = rest.substr(0, underscore);
  if (!AllDigits(pid) || !AllDigits(rest.substr(underscore + 1)) || pid.size() > 9) return -1;
  return std::stol(std::string(pid));
}

std::vector<std::string> RemoveStaleTemporaries(std::string_view folder) {
  std::vector<std::string> removed;
  std::string base(folder);
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  for (const std::string& name : ListDirectory(folder, "*.tmp*")) {
    const long owner = TemporaryOwner(name);
    if (owner <= 0 || ProcessAlive(owner)) continue;
    if (DeleteFile(base + name)) removed.push_back(name);
  }
  return removed;
}

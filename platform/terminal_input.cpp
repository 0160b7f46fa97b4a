#include "platform/terminal_input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

bool TerminalInput::Interactive() const {
  return ::isatty(fd_) == 1;
}

bool TerminalInput::ReadAvailable() {
  if (ended_) return false;
  char chunk[4096];
  const ssize_t count = ::read(fd_, chunk, sizeof chunk);
  if (count > 0) {
    buffer_.append(chunk, static_cast<size_t>(count));
  } else if (count == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
    ended_ = true;
  }
  return !ended_;
}

bool TerminalInput::HasLine() const {
  return buffer_.find('\n') != std::string::npos || (ended_ && !buffer_.empty());
}

std::optional<std::string> TerminalInput::TakeLine() {
  if (!HasLine()) return std::nullopt;
  const size_t end = buffer_.find('\n');
  std::string line = buffer_.substr(0, end);
  buffer_.erase(0, end == std::string::npos ? std::string::npos : end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> TerminalInput::WaitLine() {
  while (!HasLine() && !ended_) {
    pollfd waiting{fd_, POLLIN, 0};
    if (::poll(&waiting, 1, -1) < 0 && errno != EINTR) {
      ended_ = true;
      break;
    }
    ReadAvailable();
  }
  return TakeLine();
}

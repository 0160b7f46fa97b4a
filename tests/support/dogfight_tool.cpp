#include "tests/support/dogfight_tool.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

namespace {

constexpr std::chrono::milliseconds kWait(5000);

bool Readable(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return ::poll(&entry, 1, 0) > 0;
}

}  // namespace

DogfightTool::DogfightTool(EventLoop& loop, int port) : loop_(loop) {
  fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

DogfightTool::~DogfightTool() {
  Close();
}

std::string DogfightTool::Banner() {
  std::string received;
  if (fd_ < 0) return received;
  const auto deadline = std::chrono::steady_clock::now() + kWait;
  while (received.find("\r\n") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    loop_.RunUntil([this] { return Readable(fd_); }, std::chrono::milliseconds(200));
    if (!Readable(fd_)) continue;
    char buffer[256];
    const ssize_t got = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got <= 0) break;
    received.append(buffer, static_cast<std::size_t>(got));
  }
  return received;
}

void DogfightTool::Send(std::string_view bytes) {
  while (fd_ >= 0 && !bytes.empty()) {
    const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
}

void DogfightTool::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void DogfightTool::Reset() {
  if (fd_ < 0) return;
  const linger abort_on_close{1, 0};
  ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &abort_on_close, sizeof abort_on_close);
  Close();
}

int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

#include "tests/tcp_listener/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "tcp_listener/listener_client.h"

namespace {

sockaddr_in LoopbackAddress(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return address;
}

}  // namespace

LoopbackPeer::LoopbackPeer(int port) {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const sockaddr_in address = LoopbackAddress(port);
  if (fd_ < 0 || ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    throw std::runtime_error("cannot connect to the test server");
  }
}

LoopbackPeer::~LoopbackPeer() {
  Close();
}

void LoopbackPeer::SetWait(std::chrono::milliseconds wait) {
  timeval limit{};
  limit.tv_sec = static_cast<time_t>(wait.count() / 1000);
  limit.tv_usec = static_cast<suseconds_t>((wait.count() % 1000) * 1000);
  ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
}

void LoopbackPeer::Send(std::string_view bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t count = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (count <= 0) throw std::runtime_error("the test peer could not send");
    sent += static_cast<std::size_t>(count);
  }
}

std::string LoopbackPeer::Receive(std::size_t count, std::chrono::milliseconds wait) {
  SetWait(wait);
  std::string received;
  char block[4096];
  while (received.size() < count) {
    const ssize_t got = ::recv(fd_, block, std::min(sizeof block, count - received.size()), 0);
    if (got <= 0) break;
    received.append(block, static_cast<std::size_t>(got));
  }
  return received;
}

int LoopbackPeer::ReceiveError(std::chrono::milliseconds wait) {
  SetWait(wait);
  char byte;
  return ::recv(fd_, &byte, 1, 0) < 0 ? errno : 0;
}

std::string LoopbackPeer::LocalPort() const {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
  return std::to_string(ntohs(address.sin_port));
}

void LoopbackPeer::ShutdownWrite() {
  ::shutdown(fd_, SHUT_WR);
}

void LoopbackPeer::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void LoopbackPeer::Reset() {
  const linger abortive{1, 0};
  ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
  Close();
}

PortHolder::PortHolder() {
  fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address = LoopbackAddress(0);
  socklen_t length = sizeof address;
  if (fd_ < 0 || ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(fd_, 5) != 0 ||
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot hold a port");
  }
  port_ = ntohs(address.sin_port);
}

PortHolder::~PortHolder() {
  ::close(fd_);
}

int PortHolder::AcceptOne() {
  timeval limit{2, 0};
  ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
}

int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

ListeningServer::ListeningServer() {
  server.ClientClass = ClientClassOf<TListenerClient>();
  server.OnClientConnect = [this](TCustomAsyncSocketServer&, TAsyncSocketClient& client,
                                  std::uint16_t) {
    client.SetLineMode(true);
    client.LineEdit = true;
    client.LineLimit = 255;
    client.OnDataAvailable = [this](TCustomAsyncSocket& sender, std::uint16_t) {
      lines.push_back({sender.Name, sender.ReceiveStr()});
      handed_to_handlers += static_cast<int>(lines.back().text.size());
      events.push_back("line " + sender.Name);
    };
    events.push_back("connect " + client.Name);
  };
  server.OnClientDisconnect = [this](TCustomAsyncSocketServer&, TAsyncSocketClient& client,
                                     std::uint16_t) {
    events.push_back("disconnect " + client.Name);
    ++disconnects;
  };
  server.SetProto("tcp");
  server.SetPort("0");
  server.SetAddr("127.0.0.1");
  server.Listen();
  port = std::stoi(server.GetBoundPort());
}

bool ListeningServer::RunUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds timeout) {
  // Short turns, so that a test goes on as soon as the condition holds.
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    loop.RunOnce(std::chrono::milliseconds(2));
  }
  return true;
}

int ListeningServer::BytesRead() {
  int total = -handed_to_handlers;
  for (int i = 0; i < server.ClientCount(); ++i) total += server.Client(i)->ReadCount();
  return total;
}

bool ListeningServer::RunUntilRead(int count) {
  return RunUntil([this, count] { return BytesRead() >= count; });
}

std::vector<std::string> ListeningServer::LinesOf(const std::string& client_name) const {
  std::vector<std::string> texts;
  for (const Line& line : lines) {
    if (line.client == client_name) texts.push_back(line.text);
  }
  return texts;
}

bool ListeningServer::RunUntilAccepted(const LoopbackPeer& peer) {
  const std::string port_of_peer = peer.LocalPort();
  return RunUntil([this, &port_of_peer] {
    for (int i = 0; i < server.ClientCount(); ++i) {
      if (server.Client(i)->PeerPort() == port_of_peer) return true;
    }
    return false;
  });
}

bool RunUntil(EventLoop& loop, const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    loop.RunOnce(std::chrono::milliseconds(2));
  }
  return true;
}

void RunAWhile(EventLoop& loop) {
  for (int i = 0; i < 10; ++i) loop.RunOnce(std::chrono::milliseconds(2));
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "(no exception)";
}

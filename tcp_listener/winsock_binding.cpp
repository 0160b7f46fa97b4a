#include "tcp_listener/winsock_binding.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "tcp_listener/winsock_errors.h"

void WinSockBinding::ComponentCreated() {
  ++live_count_;
}

void WinSockBinding::ComponentDestroyed() {
  --live_count_;
  if (live_count_ < 1) AsyncSocketUnloadLibrary();
}

void WinSockBinding::AsyncSocketUnloadLibrary() {
  if (!loaded_ || live_count_ > 0) return;
  loaded_ = false;
  ++cleanups_;
}

void WinSockBinding::AsyncSocketLoadProc() {
  if (loaded_) return;
  loaded_ = true;
  ++startups_;
  started_version_ = static_cast<std::uint16_t>(ReqVerLow | (ReqVerHigh << 8));
}

int WinSockBinding::Failed() {
  last_error_ = WinSockErrorOfErrno(errno);
  return SOCKET_ERROR;
}

int WinSockBinding::socket(int af, int type, int protocol) {
  AsyncSocketLoadProc();
  const int s = ::socket(af, type | SOCK_CLOEXEC, protocol);
  return s < 0 ? Failed() : s;
}

int WinSockBinding::bind(int s, const sockaddr_in& name) {
  AsyncSocketLoadProc();
  return ::bind(s, reinterpret_cast<const sockaddr*>(&name), sizeof name) < 0 ? Failed() : 0;
}

int WinSockBinding::listen(int s, int backlog) {
  AsyncSocketLoadProc();
  return ::listen(s, backlog) < 0 ? Failed() : 0;
}

int WinSockBinding::accept(int s, sockaddr_in* addr) {
  AsyncSocketLoadProc();
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  const int accepted =
      ::accept4(s, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (accepted < 0) return Failed();
  if (addr != nullptr) *addr = peer;
  return accepted;
}

int WinSockBinding::connect(int s, const sockaddr_in& name) {
  AsyncSocketLoadProc();
  if (::connect(s, reinterpret_cast<const sockaddr*>(&name), sizeof name) == 0) return 0;
  // A non-blocking connect under way is "would block" to WinSock.
  if (errno == EINPROGRESS) {
    last_error_ = WSAEWOULDBLOCK;
    return SOCKET_ERROR;
  }
  return Failed();
}

int WinSockBinding::recv(int s, void* buf, int len, int flags) {
  AsyncSocketLoadProc();
  const ssize_t count = ::recv(s, buf, static_cast<size_t>(len), flags);
  return count < 0 ? Failed() : static_cast<int>(count);
}

int WinSockBinding::recvfrom(int s, void* buf, int len, int flags, sockaddr_in* from) {
  AsyncSocketLoadProc();
  sockaddr_in peer{};
  socklen_t length = sizeof peer;
  const ssize_t count = ::recvfrom(s, buf, static_cast<size_t>(len), flags,
                                   reinterpret_cast<sockaddr*>(&peer), &length);
  if (count < 0) return Failed();
  if (from != nullptr) *from = peer;
  return static_cast<int>(count);
}

int WinSockBinding::send(int s, const void* buf, int len, int flags) {
  AsyncSocketLoadProc();
  const ssize_t count = ::send(s, buf, static_cast<size_t>(len), flags | MSG_NOSIGNAL);
  return count < 0 ? Failed() : static_cast<int>(count);
}

int WinSockBinding::sendto(int s, const void* buf, int len, int flags, const sockaddr_in& to) {
  AsyncSocketLoadProc();
  const ssize_t count = ::sendto(s, buf, static_cast<size_t>(len), flags | MSG_NOSIGNAL,
                                 reinterpret_cast<const sockaddr*>(&to), sizeof to);
  return count < 0 ? Failed() : static_cast<int>(count);
}

int WinSockBinding::closesocket(int s) {
  AsyncSocketLoadProc();
  return ::close(s) < 0 ? Failed() : 0;
}

int WinSockBinding::shutdown(int s, int how) {
  AsyncSocketLoadProc();
  return ::shutdown(s, how) < 0 ? Failed() : 0;
}

int WinSockBinding::setsockopt(int s, int level, int optname, const void* optval,
                               socklen_t optlen) {
  AsyncSocketLoadProc();
  return ::setsockopt(s, level, optname, optval, optlen) < 0 ? Failed() : 0;
}

int WinSockBinding::getsockopt(int s, int level, int optname, void* optval, socklen_t* optlen) {
  AsyncSocketLoadProc();
  return ::getsockopt(s, level, optname, optval, optlen) < 0 ? Failed() : 0;
}

int WinSockBinding::ioctlsocket(int s, unsigned long cmd, unsigned long* argp) {
  AsyncSocketLoadProc();
  int value = static_cast<int>(*argp);
  if (::ioctl(s, cmd, &value) < 0) return Failed();
  *argp = static_cast<unsigned long>(value);
  return 0;
}

int WinSockBinding::getsockname(int s, sockaddr_in* name) {
  AsyncSocketLoadProc();
  socklen_t length = sizeof *name;
  return ::getsockname(s, reinterpret_cast<sockaddr*>(name), &length) < 0 ? Failed() : 0;
}

int WinSockBinding::getpeername(int s, sockaddr_in* name) {
  AsyncSocketLoadProc();
  socklen_t length = sizeof *name;
  return ::getpeername(s, reinterpret_cast<sockaddr*>(name), &length) < 0 ? Failed() : 0;
}

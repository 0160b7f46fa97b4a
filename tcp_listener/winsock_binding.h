#pragma once

#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdint>
#include <mutex>

// The socket library as the socket components use it: WinSock's calls under WinSock's names
// and results, carried out with POSIX sockets. A failed call leaves its WinSock error number
// for WSAGetLastError, as WinSock does.
//
// One binding is shared by a server and every client it accepts (the program has one server).
// The library counts as started from the first call any of its components makes until the last
// of them is destroyed; POSIX needs no start-up, so starting and cleaning up are bookkeeping
// only, kept because the requested WinSock version may change only while not started.

inline constexpr int INVALID_SOCKET = -1;
inline constexpr int SOCKET_ERROR = -1;

class WinSockBinding {
 public:
  // The requested WinSock version, shared by all components of this binding.
  std::uint8_t ReqVerLow = 1;
  std::uint8_t ReqVerHigh = 1;

  bool Loaded() const { return loaded_; }
  int StartupCount() const { return startups_; }
  int CleanupCount() const { return cleanups_; }
  // The version word of the last start: low byte | high byte * 256.
  std::uint16_t StartedVersion() const { return started_version_; }

  // The live count of components; when the last one goes the library is cleaned up.
  void ComponentCreated();
  void ComponentDestroyed();
  int LiveCount() const { return live_count_; }
  // Cleans up when started and no component is alive; else does nothing.
  void AsyncSocketUnloadLibrary();
  // Starts the library unless it runs already (every call below does this first).
  void AsyncSocketLoadProc();

  int WSAGetLastError() const { return last_error_; }
  void WSASetLastError(int error) { last_error_ = error; }

  // Guards the send buffers of all components of this binding. Recursive, because a handler
  // called while a buffer is being sent may send again.
  std::recursive_mutex& SendBufferLock() { return send_buffer_lock_; }

  // New sockets and accepted ones are non-blocking and not inherited by started programs.
  int socket(int af, int type, int protocol);
  int bind(int s, const sockaddr_in& name);
  int listen(int s, int backlog);
  // The peer's address goes to *addr when given.
  int accept(int s, sockaddr_in* addr);
  int connect(int s, const sockaddr_in& name);
  int recv(int s, void* buf, int len, int flags);
  int recvfrom(int s, void* buf, int len, int flags, sockaddr_in* from);
  // Never raises SIGPIPE: a send to a peer that has gone fails with 10054.
  int send(int s, const void* buf, int len, int flags);
  int sendto(int s, const void* buf, int len, int flags, const sockaddr_in& to);
  int closesocket(int s);
  int shutdown(int s, int how);
  int setsockopt(int s, int level, int optname, const void* optval, socklen_t optlen);
  int getsockopt(int s, int level, int optname, void* optval, socklen_t* optlen);
  // FIONREAD (bytes waiting) and FIONBIO (non-blocking mode).
  int ioctlsocket(int s, unsigned long cmd, unsigned long* argp);
  int getsockname(int s, sockaddr_in* name);
  int getpeername(int s, sockaddr_in* name);

 private:
  int Failed();

  bool loaded_ = false;
  int startups_ = 0;
  int cleanups_ = 0;
  std::uint16_t started_version_ = 0;
  int live_count_ = 0;
  int last_error_ = 0;
  std::recursive_mutex send_buffer_lock_;
};

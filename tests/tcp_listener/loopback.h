#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event_loop.h"
#include "tcp_listener/async_socket_srv.h"

// The banner the listener greets each client with, with its line end.
inline const std::string kBanner = "Welcome to TcpSrv\r\n";

// Runs the loop in short turns until the condition holds; false when 3 s passed first.
bool RunUntil(EventLoop& loop, const std::function<bool()>& condition);
// A few short turns of the loop, for what must not happen.
void RunAWhile(EventLoop& loop);
// The text of the exception the action throws, or "(no exception)".
std::string MessageOf(const std::function<void()>& action);

// A peer on the loopback address, driven by the test with plain blocking calls that give up
// after a short time, so that a test never hangs.
class LoopbackPeer {
 public:
  explicit LoopbackPeer(int port);
  ~LoopbackPeer();
  LoopbackPeer(const LoopbackPeer&) = delete;
  LoopbackPeer& operator=(const LoopbackPeer&) = delete;

  void Send(std::string_view bytes);
  // Whatever arrives until count bytes are there or the wait is over.
  std::string Receive(std::size_t count,
                      std::chrono::milliseconds wait = std::chrono::milliseconds(2000));
  // The errno of the next receive; 0 when it gave data or the end of the stream.
  int ReceiveError(std::chrono::milliseconds wait = std::chrono::milliseconds(2000));
  void ShutdownWrite();
  void Close();
  // Closes so that the other side sees a reset.
  void Reset();
  int Descriptor() const { return fd_; }
  // The port of this end, as the server sees it as the peer's.
  std::string LocalPort() const;

 private:
  void SetWait(std::chrono::milliseconds wait);
  int fd_ = -1;
};

// A plain socket bound and listening on 127.0.0.1 at a port of the system's choice: another
// program holding a port.
class PortHolder {
 public:
  PortHolder();
  ~PortHolder();
  int Port() const { return port_; }
  // Takes the next connection (blocking up to 2 s); -1 when none came.
  int AcceptOne();

 private:
  int fd_ = -1;
  int port_ = 0;
};

// Descriptors open in this process.
int OpenDescriptorCount();

// A server like the main window's, listening on 127.0.0.1 at a port of the system's choice,
// with its clients in line mode as the dogfight link sets them (limit 255, editing on). It
// writes down what happens, in order.
struct ListeningServer {
  ListeningServer();

  bool RunUntil(const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
  // Runs the loop until the connected clients have taken `count` bytes from their sockets.
  bool RunUntilRead(int count);
  int BytesRead();
  std::vector<std::string> LinesOf(const std::string& client_name) const;
  // Runs the loop until the server has taken this peer's connection.
  bool RunUntilAccepted(const LoopbackPeer& peer);

  EventLoop loop;
  TAsyncSocketServer server{loop, "SocketServer"};
  int port = 0;
  struct Line {
    std::string client;
    std::string text;
  };
  std::vector<Line> lines;
  std::vector<std::string> events;  // "connect <name>", "line <name>", "disconnect <name>"
  int disconnects = 0;
  int handed_to_handlers = 0;  // bytes the handlers read (ReadCount counts them again)
};

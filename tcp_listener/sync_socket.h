#pragma once

#include <functional>

#include "tcp_listener/line_socket.h"

// The synchronous layer: waits, delivering events, until a flag is raised.
class TCustomSyncAsyncSocket : public TCustomLineAsyncSocket {
 public:
  using TCustomLineAsyncSocket::TCustomLineAsyncSocket;

  // The answer of a wait that gave up.
  static constexpr int kWaitGaveUp = 12001;

  // Milliseconds a wait lasts at most; 0 waits without limit.
  int Timeout = 0;

  // Delivers events until Done holds (0), or gives up (kWaitGaveUp) when the time is up or
  // the program is ending.
  virtual int WaitUntilReady(bool& Done);
  // Clears Done, runs Proc and waits for Done.
  virtual int Synchronize(const std::function<void()>& Proc, bool& Done);
};

// The socket component with every property published.
class TAsyncSocket : public TCustomSyncAsyncSocket {
 public:
  using TCustomSyncAsyncSocket::TCustomSyncAsyncSocket;
};

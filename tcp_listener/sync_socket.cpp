#include "tcp_listener/sync_socket.h"

#include <chrono>
#include <thread>

int TCustomSyncAsyncSocket::WaitUntilReady(bool& Done) {
  const auto start = std::chrono::steady_clock::now();
  while (!Done) {
    const bool timed_out = Timeout > 0 && std::chrono::steady_clock::now() - start >=
                                              std::chrono::milliseconds(Timeout);
    if (timed_out || Loop() == nullptr || Loop()->QuitRequested()) return kWaitGaveUp;
    MessagePump();
    std::this_thread::yield();
  }
  return 0;
}

int TCustomSyncAsyncSocket::Synchronize(const std::function<void()>& Proc, bool& Done) {
  Done = false;
  if (Proc) Proc();
  return WaitUntilReady(Done);
}

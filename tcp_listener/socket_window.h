#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/event_loop.h"

// Window messages of the socket components. On Windows each component owns a hidden window
// and WinSock posts its notifications there; here the event loop carries them, and the
// numbers keep their Windows meaning.
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_ASYNCSELECT = WM_USER + 1;         // socket notification
inline constexpr unsigned WM_ASYNCGETHOSTBYNAME = WM_USER + 2;  // host-name look-up done
inline constexpr unsigned WM_ASYNCGETHOSTBYADDR = WM_USER + 3;  // host-address look-up done
inline constexpr unsigned WM_CLOSE_DELAYED = WM_USER + 4;
inline constexpr unsigned WM_ASYNCSOCKET_RELEASE = WM_USER + 5;
inline constexpr unsigned WM_TRIGGER_EXCEPTION = WM_USER + 6;
inline constexpr unsigned WM_TRIGGER_DATA_AVAILABLE = WM_USER + 20;  // line layer
inline constexpr unsigned WM_CLIENT_CLOSED = WM_USER + 30;           // server: a client closed

// Socket notification bits (the low word of a WM_ASYNCSELECT's LParam; the high word is the
// WinSock error).
inline constexpr std::uint16_t FD_READ = 1;
inline constexpr std::uint16_t FD_WRITE = 2;
inline constexpr std::uint16_t FD_OOB = 4;
inline constexpr std::uint16_t FD_ACCEPT = 8;
inline constexpr std::uint16_t FD_CONNECT = 16;
inline constexpr std::uint16_t FD_CLOSE = 32;

struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  // Which socket of the component a notification is for. Descriptor numbers are reused at
  // once on POSIX, so the number alone cannot tell an old socket from its successor.
  std::uint64_t SocketGeneration = 0;
  std::intptr_t Result = 0;
};

// A component's message target. Messages posted to it wait in the event loop and reach the
// window procedure in order; once the window is destroyed, those still waiting are dropped,
// as Windows drops the messages of a destroyed window.
class SocketWindow {
 public:
  using WindowProc = std::function<void(TMessage&)>;

  SocketWindow(EventLoop& loop, WindowProc window_proc);
  SocketWindow(const SocketWindow&) = delete;
  SocketWindow& operator=(const SocketWindow&) = delete;

  void PostMessage(const TMessage& message);
  // Delivers at once, as SendMessage does.
  void SendMessage(TMessage& message);

 private:
  EventLoop& loop_;
  std::shared_ptr<WindowProc> window_proc_;
};

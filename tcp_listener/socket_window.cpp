#include "tcp_listener/socket_window.h"

#include <utility>

SocketWindow::SocketWindow(EventLoop& loop, WindowProc window_proc)
    : loop_(loop), window_proc_(std::make_shared<WindowProc>(std::move(window_proc))) {}

void SocketWindow::PostMessage(const TMessage& message) {
  std::weak_ptr<WindowProc> target = window_proc_;
  loop_.Post([target, message] {
    TMessage delivered = message;
    if (const auto window_proc = target.lock()) (*window_proc)(delivered);
  });
}

void SocketWindow::SendMessage(TMessage& message) {
  (*window_proc_)(message);
}

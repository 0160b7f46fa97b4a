#pragma once

#include <string>

#include "platform/clock.h"
#include "tcp_listener/async_socket_srv.h"

// A connection of the dogfight-server tool to the main window's listener.
class TListenerClient : public TAsyncSocketClient {
 public:
  using TAsyncSocketClient::TAsyncSocketClient;

  std::string RcvdLine;       // the last line received
  LocalDateTime ConnectTime;  // when the connection was set up
};

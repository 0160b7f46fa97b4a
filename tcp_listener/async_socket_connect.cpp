// Setting connections up: listening, accepting, taking over an accepted socket, connecting.

#include <arpa/inet.h>
#include <netinet/tcp.h>

#include <algorithm>

#include "tcp_listener/async_socket.h"
#include "tcp_listener/socket_resolve.h"
#include "tcp_listener/winsock_errors.h"

namespace {

constexpr std::uint16_t kListenEvents = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;
constexpr std::uint16_t kConnectedEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;
constexpr std::uint16_t kConnectEvents = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;

}  // namespace

void TCustomAsyncSocket::Listen() {
  // Asked again while it listens (the dogfight link may ask each time it is switched on), the
  // listener it has is kept: a second socket on the same port could only fail and would
  // leave the working one unheard.
  if (state_ == TSocketState::wsListening && hsocket_ != INVALID_SOCKET) return;
  if (!port_assigned_) {
    binding_->WSASetLastError(WSAEINVAL);
    return SocketError("listen: port not assigned");
  }
  if (!proto_assigned_) {
    binding_->WSASetLastError(WSAEINVAL);
    return SocketError("listen: protocol not assigned");
  }
  if (!addr_assigned_) {
    binding_->WSASetLastError(WSAEINVAL);
    return SocketError("listen: address not assigned");
  }
  try {
    ResolveProto();
    ResolvePort();
    ResolveAddr();
  } catch (const std::exception& error) {
    return RaiseException(std::string("listen: ") + error.what());
  }
  DeleteBufferedData();

  const int s = binding_->socket(AF_INET, socket_type_, proto_);
  if (s == INVALID_SOCKET) return SocketError("socket");
  TakeSocket(s);
  if (socket_type_ == SOCK_DGRAM && ReuseAddr) {
    const int on = 1;
    if (binding_->setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
      CloseUnfinishedSocket();
      return SocketError("setsockopt(SO_REUSEADDR)");
    }
  }
  if (binding_->bind(s, sin_) != 0) {
    CloseUnfinishedSocket();
    return SocketError("Bind");
  }
  ChangeState(TSocketState::wsBound);
  if (socket_type_ == SOCK_STREAM) {
    if (binding_->listen(s, ListenBacklog) != 0) {
      CloseUnfinishedSocket();
      return SocketError("Listen");
    }
    ChangeState(TSocketState::wsListening);
  } else {
    ListenOtherThanStream();
    if (hsocket_ == INVALID_SOCKET) return;
  }
  if (WSAAsyncSelect(kListenEvents) != 0) SocketError("WSAASyncSelect");
}

void TCustomAsyncSocket::ListenOtherThanStream() {
  if (socket_type_ == SOCK_DGRAM) {
    if (MultiCast) {
      ip_mreq membership{};
      membership.imr_multiaddr.s_addr = ::inet_addr(MultiCastAddrStr.c_str());
      membership.imr_interface.s_addr = sin_.sin_addr.s_addr;
      if (binding_->setsockopt(hsocket_, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership,
                               sizeof membership) != 0) {
        CloseUnfinishedSocket();
        return SocketError("setsockopt(IP_ADD_MEMBERSHIP)");
      }
    }
  } else if (socket_type_ == SOCK_RAW) {
    if (ComponentOptions.contains(TAsyncSocketOption::wsoSIO_RCVALL)) {
      // Receiving every packet of an interface is a Windows socket control with no
      // counterpart here.
      binding_->WSASetLastError(WSAEOPNOTSUPP);
      CloseUnfinishedSocket();
      return SocketError("WSAIoctl(SIO_RCVALL)");
    }
  } else {
    CloseUnfinishedSocket();
    return RaiseException("Listen: unexpected protocol.");
  }
  ChangeState(TSocketState::wsListening);
  ChangeState(TSocketState::wsConnected);
  TriggerSessionConnected(0);
}

int TCustomAsyncSocket::Accept() {
  if (state_ != TSocketState::wsListening) {
    binding_->WSASetLastError(WSAEINVAL);
    SocketError("not a listening socket");
    return INVALID_SOCKET;
  }
  read_armed_ = true;
  sockaddr_in peer{};
  accepted_hsocket_ = binding_->accept(hsocket_, &peer);
  if (accepted_hsocket_ == INVALID_SOCKET) {
    // A connection reset before it was taken must not close the listener.
    SocketError("Accept", false);
    return INVALID_SOCKET;
  }
  sin_ = peer;
  return accepted_hsocket_;
}

void TCustomAsyncSocket::Dup(int NewHSocket) {
  // Descriptor 0 is a socket like any other on POSIX; only a negative one is invalid.
  if (NewHSocket < 0) {
    binding_->WSASetLastError(WSAEINVAL);
    return SocketError("Dup");
  }
  if (state_ != TSocketState::wsClosed) {
    if (hsocket_ != INVALID_SOCKET && binding_->closesocket(hsocket_) != 0) {
      return SocketError("Dup (closesocket)");
    }
    DropSocket();
    ChangeState(TSocketState::wsClosed);
  }
  TakeSocket(NewHSocket);
  socklen_t length = sizeof snd_buf_size_;
  if (binding_->getsockopt(hsocket_, SOL_SOCKET, SO_SNDBUF, &snd_buf_size_, &length) != 0) {
    return SocketError("getsockopt(SO_SNDBUF)");
  }
  length = sizeof rcv_buf_size_;
  if (binding_->getsockopt(hsocket_, SOL_SOCKET, SO_RCVBUF, &rcv_buf_size_, &length) != 0) {
    return SocketError("getsockopt(SO_RCVBUF)");
  }
  SetLingerOption();
  if (WSAAsyncSelect(kConnectedEvents) != 0) return SocketError("WSAAsyncSelect");
  DupConnected();
}

void TCustomAsyncSocket::DupConnected() {
  ChangeState(TSocketState::wsConnected);
}

void TCustomAsyncSocket::BindSocket() {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(static_cast<std::uint16_t>(local_port_num_));
  local.sin_addr.s_addr = ::inet_addr(local_addr_.c_str());
  if (binding_->bind(hsocket_, local) != 0) {
    return RaiseException("winsock.bind failed, error #" +
                          std::to_string(binding_->WSAGetLastError()));
  }
  sockaddr_in bound{};
  if (binding_->getsockname(hsocket_, &bound) != 0) {
    return RaiseException("winsock.getsockname failed, error #" +
                          std::to_string(binding_->WSAGetLastError()));
  }
  local_port_num_ = ntohs(bound.sin_port);
  local_port_str_ = std::to_string(local_port_num_);
}

void TCustomAsyncSocket::SetKeepAliveOption() {
  if (KeepAliveOnOff == TSocketKeepAliveOnOff::wsKeepAliveOff) return;
  const int on = 1;
  if (binding_->setsockopt(hsocket_, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) != 0) {
    return SocketError("setsockopt(SO_KEEPALIVE)");
  }
  if (KeepAliveOnOff != TSocketKeepAliveOnOff::wsKeepAliveOnCustom) return;
  // Windows takes the idle time and the interval in milliseconds; the TCP options here
  // take whole seconds.
  const int idle = std::max(1, KeepAliveTime / 1000);
  const int interval = std::max(1, KeepAliveInterval / 1000);
  if (binding_->setsockopt(hsocket_, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle) != 0 ||
      binding_->setsockopt(hsocket_, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval) != 0) {
    return SocketError("AsyncSocket_WSAIoctl(SIO_KEEPALIVE_VALS)");
  }
}

void TCustomAsyncSocket::Connect() {
  if (hsocket_ != INVALID_SOCKET && state_ != TSocketState::wsClosed) {
    return RaiseException("Connect: Socket already in use");
  }
  if (!port_assigned_) return RaiseException("Connect: No Port Specified");
  if (!addr_assigned_) return RaiseException("Connect: No IP Address Specified");
  if (!proto_assigned_) return RaiseException("Connect: No Protocol Specified");
  try {
    if (!proto_resolved_) {
      proto_ = AsyncSocketResolveProto(*binding_, proto_str_);
      socket_type_ = proto_ == IPPROTO_TCP   ? SOCK_STREAM
                     : proto_ == IPPROTO_UDP ? SOCK_DGRAM
                                             : SOCK_RAW;
      proto_resolved_ = true;
    }
    ResolvePort();
    if (!local_port_resolved_) {
      local_port_num_ = AsyncSocketResolvePort(*binding_, local_port_str_, proto_str_);
      local_port_resolved_ = true;
    }
    ResolveAddr();
  } catch (const std::exception& error) {
    return RaiseException(std::string("connect: ") + error.what());
  }
  DeleteBufferedData();

  const int s = binding_->socket(AF_INET, socket_type_, proto_);
  if (s == INVALID_SOCKET) return SocketError("Connect (socket)");
  TakeSocket(s);
  socklen_t length = sizeof snd_buf_size_;
  if (binding_->getsockopt(s, SOL_SOCKET, SO_SNDBUF, &snd_buf_size_, &length) != 0) {
    CloseUnfinishedSocket();
    return SocketError("getsockopt(SO_SNDBUF)");
  }
  length = sizeof rcv_buf_size_;
  if (binding_->getsockopt(s, SOL_SOCKET, SO_RCVBUF, &rcv_buf_size_, &length) != 0) {
    CloseUnfinishedSocket();
    return SocketError("getsockopt(SO_RCVBUF)");
  }
  ChangeState(TSocketState::wsOpened);
  if (state_ != TSocketState::wsOpened) {
    binding_->WSASetLastError(WSAEINVAL);
    CloseUnfinishedSocket();
    return SocketError("Connect (Invalid operation in OnChangeState)");
  }

  const int on = 1;
  if (socket_type_ == SOCK_DGRAM) {
    BindSocket();
    if (MultiCast) {
      if (MultiCastIpTTL != 1) {
        const unsigned char ttl = static_cast<unsigned char>(MultiCastIpTTL);
        if (binding_->setsockopt(s, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) != 0) {
          return SocketError("setsockopt(IP_MULTICAST_TTL)");
        }
      }
      if (local_addr_ != "0.0.0.0") {
        in_addr interface_address{};
        interface_address.s_addr = ::inet_addr(local_addr_.c_str());
        if (binding_->setsockopt(s, IPPROTO_IP, IP_MULTICAST_IF, &interface_address,
                                 sizeof interface_address) != 0) {
          return SocketError("setsockopt(IP_MULTICAST_IF)");
        }
      }
    }
    if (sin_.sin_addr.s_addr == INADDR_BROADCAST) {
      if (binding_->setsockopt(s, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0) {
        return SocketError("setsockopt(SO_BROADCAST)");
      }
    }
  } else {
    if (binding_->setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
      return SocketError("setsockopt(SO_REUSEADDR)");
    }
    if (ComponentOptions.contains(TAsyncSocketOption::wsoTcpNoDelay) &&
        binding_->setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) != 0) {
      return SocketError("setsockopt(IPPROTO_TCP, TCP_NODELAY)");
    }
    SetLingerOption();
    SetKeepAliveOption();
    if ((local_port_num_ != 0 && local_port_str_ != "0") || local_addr_ != "0.0.0.0") {
      BindSocket();
    }
  }

  if (WSAAsyncSelect(kConnectEvents) != 0) return SocketError("WSAAsyncSelect");
  if (socket_type_ == SOCK_DGRAM) {
    ChangeState(TSocketState::wsConnected);
    TriggerSessionConnected(0);
    return;
  }
  if (CheckLogOptions(TLogOption::loWsockInfo)) {
    DebugLog(TLogOption::loWsockInfo,
             "TAsyncSocket will connect to " + addr_ + ":" + std::to_string(port_num_));
  }
  if (binding_->connect(s, sin_) != 0 && binding_->WSAGetLastError() != WSAEWOULDBLOCK) {
    return SocketError("Connect");
  }
  ChangeState(TSocketState::wsConnecting);
  UpdateWatch();
}

#include "tcp_listener/async_socket.h"

#include <arpa/inet.h>
#include <sys/ioctl.h>

#include <cctype>
#include <chrono>
#include <utility>

#include "tcp_listener/dns_request.h"
#include "tcp_listener/host_lookup.h"
#include "tcp_listener/socket_resolve.h"
#include "tcp_listener/winsock_errors.h"

TCustomAsyncSocket::TCustomAsyncSocket(EventLoop& loop, std::string name,
                                       std::shared_ptr<WinSockBinding> binding)
    : Name(std::move(name)),
      loop_(&loop),
      binding_(binding ? std::move(binding) : std::make_shared<WinSockBinding>()) {
  AllocateSocketWindow();
  AssignDefaultValues();
  binding_->ComponentCreated();
}

TCustomAsyncSocket::~TCustomAsyncSocket() {
  destroying_ = true;
  try {
    CancelDnsLookup();
  } catch (...) {
  }
  try {
    if (state_ != TSocketState::wsClosed) Close();
  } catch (...) {
  }
  // A socket left open while closed (a set-up that failed half way) goes as well.
  if (hsocket_ != INVALID_SOCKET) binding_->closesocket(hsocket_);
  DropSocket();
  binding_->ComponentDestroyed();
  DeleteBufferedData();
  if (sock_logger_ != nullptr) sock_logger_->Detach(*this);
  DeallocateSocketWindow();
}

// Properties.

void TCustomAsyncSocket::RefuseChangeWhileOpen(const char* property) {
  RaiseException(std::string("Cannot change ") + property + " if not closed");
}

void TCustomAsyncSocket::SetAddr(const std::string& value) {
  if (addr_assigned_ && value == addr_) return;
  if (state_ != TSocketState::wsClosed) return RefuseChangeWhileOpen("Addr");
  addr_ = AsyncSocketTrim(value);
  addr_assigned_ = !addr_.empty();
  addr_resolved_ = false;
}

void TCustomAsyncSocket::SetPort(const std::string& value) {
  if (port_assigned_ && value == port_str_) return;
  if (state_ != TSocketState::wsClosed) return RefuseChangeWhileOpen("Port");
  port_str_ = AsyncSocketTrim(value);
  port_assigned_ = !port_str_.empty();
  port_resolved_ = false;
}

void TCustomAsyncSocket::SetProto(const std::string& value) {
  if (proto_assigned_ && value == proto_str_) return;
  if (state_ != TSocketState::wsClosed) return RefuseChangeWhileOpen("Proto");
  proto_str_ = AsyncSocketTrim(value);
  proto_assigned_ = !proto_str_.empty();
  proto_resolved_ = false;
}

void TCustomAsyncSocket::SetLocalAddr(const std::string& value) {
  if (state_ != TSocketState::wsClosed) return RefuseChangeWhileOpen("LocalAddr");
  local_addr_ = value.empty() ? "0.0.0.0" : value;
}

void TCustomAsyncSocket::SetLocalPort(const std::string& value) {
  if (state_ != TSocketState::wsClosed) return RefuseChangeWhileOpen("LocalPort");
  local_port_str_ = value;
  local_port_resolved_ = false;
}

void TCustomAsyncSocket::SetReqVerLow(std::uint8_t value) {
  if (binding_->ReqVerLow == value) return;
  if (binding_->Loaded()) return SocketError("SetReqVerLow: WinSock version can't be changed now");
  binding_->ReqVerLow = value;
}

void TCustomAsyncSocket::SetReqVerHigh(std::uint8_t value) {
  if (binding_->ReqVerHigh == value) return;
  if (binding_->Loaded()) {
    return SocketError("SetReqVerHigh: WinSock version can't be changed now");
  }
  binding_->ReqVerHigh = value;
}

TSocketSendFlags TCustomAsyncSocket::SendFlags() const {
  return send_flags_ == MSG_OOB ? TSocketSendFlags::wsSendUrgent : TSocketSendFlags::wsSendNormal;
}

void TCustomAsyncSocket::SetSendFlags(TSocketSendFlags value) {
  switch (value) {
    case TSocketSendFlags::wsSendNormal:
      send_flags_ = 0;
      return;
    case TSocketSendFlags::wsSendUrgent:
      send_flags_ = MSG_OOB;
      return;
  }
  RaiseException("Invalid SendFlags");
}

void TCustomAsyncSocket::SetSockLogger(TSockLogger* logger) {
  if (logger == sock_logger_) return;
  if (sock_logger_ != nullptr) sock_logger_->Detach(*this);
  sock_logger_ = logger;
  if (sock_logger_ != nullptr) sock_logger_->Attach(*this);
}

void TCustomAsyncSocket::DebugLog(TLogOption Option, const std::string& Msg) {
  if (sock_logger_ != nullptr) sock_logger_->DoDebugLog(Option, Msg);
}

bool TCustomAsyncSocket::CheckLogOptions(TLogOption Option) const {
  return sock_logger_ != nullptr && sock_logger_->LogOptions().contains(Option);
}

// Defaults and state.

void TCustomAsyncSocket::AssignDefaultValues() {
  sin_ = sockaddr_in{};
  sin_.sin_family = AF_INET;
  port_assigned_ = false;
  port_resolved_ = false;
  addr_assigned_ = false;
  addr_resolved_ = false;
  proto_resolved_ = false;
  local_port_resolved_ = false;
  proto_assigned_ = true;
  proto_ = IPPROTO_TCP;
  proto_str_ = "tcp";
  socket_type_ = SOCK_STREAM;
  local_port_str_ = "0";
  local_addr_ = "0.0.0.0";
  LingerOnOff = TSocketLingerOnOff::wsLingerOn;
  LingerTimeout = 0;
  DropSocket();
  select_event_mask_ = 0;
  state_ = TSocketState::wsClosed;
  all_sent_ = true;
  read_count_ = 0;
  paused_ = false;
  close_invoked_ = false;
  FlushTimeout = 60;
}

void TCustomAsyncSocket::ChangeState(TSocketState NewState) {
  const TSocketState old_state = state_;
  state_ = NewState;
  if (old_state != NewState && !destroying_) TriggerChangeState(old_state, NewState);
}

void TCustomAsyncSocket::MarkPortResolved(int port_number) {
  port_num_ = port_number;
  sin_.sin_port = htons(static_cast<std::uint16_t>(port_number));
  port_resolved_ = true;
}

void TCustomAsyncSocket::MarkAddrResolved() {
  addr_resolved_ = true;
}

void TCustomAsyncSocket::ResolveProto() {
  if (proto_resolved_) return;
  const std::string prefix = proto_str_.substr(0, 4);
  bool raw = prefix.size() == 4;
  for (std::size_t i = 0; i < prefix.size() && raw; ++i) {
    raw = std::tolower(static_cast<unsigned char>(prefix[i])) == "raw_"[i];
  }
  if (!raw) {
    proto_ = AsyncSocketResolveProto(*binding_, proto_str_);
    socket_type_ = proto_ == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
  } else {
    socket_type_ = SOCK_RAW;
    proto_ = AsyncSocketResolveProto(*binding_, proto_str_.substr(4, 10));
  }
  proto_resolved_ = true;
}

void TCustomAsyncSocket::ResolvePort() {
  if (port_resolved_) return;
  MarkPortResolved(AsyncSocketResolvePort(*binding_, port_str_, proto_str_));
}

void TCustomAsyncSocket::ResolveAddr() {
  if (addr_resolved_) return;
  sin_.sin_addr.s_addr = AsyncSocketResolveHost(*binding_, addr_);
  addr_resolved_ = true;
}

// The socket and its notifications.

void TCustomAsyncSocket::TakeSocket(int s) {
  DropSocket();
  hsocket_ = s;
  ++generation_;
  read_armed_ = true;
  close_seen_ = false;
  reset_on_close_ = false;
}

void TCustomAsyncSocket::DropSocket() {
  hsocket_ = INVALID_SOCKET;
  if (watch_ != 0 && loop_ != nullptr) loop_->Unwatch(watch_);
  watch_ = 0;
  watched_interest_ = 0;
}

void TCustomAsyncSocket::CloseUnfinishedSocket() {
  const int error = binding_->WSAGetLastError();
  if (hsocket_ != INVALID_SOCKET) binding_->closesocket(hsocket_);
  DropSocket();
  ChangeState(TSocketState::wsClosed);
  binding_->WSASetLastError(error);
}

int TCustomAsyncSocket::WSAAsyncSelect(std::uint16_t Mask) {
  if (window_ == nullptr || hsocket_ == INVALID_SOCKET) {
    binding_->WSASetLastError(hsocket_ == INVALID_SOCKET ? WSAENOTSOCK : WSAEINVAL);
    return SOCKET_ERROR;
  }
  unsigned long non_blocking = 1;
  if (binding_->ioctlsocket(hsocket_, FIONBIO, &non_blocking) != 0) return SOCKET_ERROR;
  select_event_mask_ = Mask;
  UpdateWatch();
  return 0;
}

void TCustomAsyncSocket::UpdateWatch() {
  unsigned interest = 0;
  if (hsocket_ != INVALID_SOCKET && window_ != nullptr && loop_ != nullptr && !paused_ &&
      select_event_mask_ != 0) {
    if (state_ == TSocketState::wsConnecting) {
      if (select_event_mask_ & FD_CONNECT) interest |= EventLoop::kWritable;
    } else {
      if ((select_event_mask_ & (FD_READ | FD_ACCEPT | FD_CLOSE)) && read_armed_ && !close_seen_) {
        interest |= EventLoop::kReadable;
      }
      if ((select_event_mask_ & FD_WRITE) && buffered_byte_count_ > 0) {
        interest |= EventLoop::kWritable;
      }
    }
  }
  if (interest == watched_interest_ && (interest == 0) == (watch_ == 0)) return;
  // A descriptor that is watched for nothing still reports a hang-up at every turn of the
  // loop, so it is not watched at all.
  if (interest == 0) {
    if (watch_ != 0) loop_->Unwatch(watch_);
    watch_ = 0;
  } else if (watch_ == 0) {
    const int fd = hsocket_;
    const std::uint64_t generation = generation_;
    watch_ = loop_->Watch(fd, interest, [this, fd, generation](unsigned ready) {
      OnSocketReady(fd, generation, ready);
    });
  } else {
    loop_->SetInterest(watch_, interest);
  }
  watched_interest_ = interest;
}

void TCustomAsyncSocket::OnSocketReady(int fd, std::uint64_t generation, unsigned ready) {
  if (fd != hsocket_ || generation != generation_) return;
  std::uint16_t events = 0;
  int error = 0;
  if (state_ == TSocketState::wsConnecting) {
    int socket_error = 0;
    socklen_t length = sizeof socket_error;
    binding_->getsockopt(fd, SOL_SOCKET, SO_ERROR, &socket_error, &length);
    events = FD_CONNECT;
    error = WinSockErrorOfErrno(socket_error);
  } else if (state_ == TSocketState::wsListening && socket_type_ == SOCK_STREAM) {
    if (ready & EventLoop::kReadable) events = FD_ACCEPT;
  } else {
    const bool readable = ready & (EventLoop::kReadable | EventLoop::kHangUp | EventLoop::kError);
    if (readable && read_armed_ && !close_seen_) {
      unsigned long waiting = 0;
      if (socket_type_ != SOCK_STREAM) {
        events |= FD_READ;
      } else if (binding_->ioctlsocket(fd, FIONREAD, &waiting) == 0 && waiting > 0) {
        events |= FD_READ;
      } else {
        // Nothing to read: the peer has closed, or the connection failed.
        char probe;
        const int peeked = binding_->recv(fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
        if (peeked == 0 || (peeked < 0 && binding_->WSAGetLastError() != WSAEWOULDBLOCK)) {
          events |= FD_CLOSE;
          error = peeked < 0 ? binding_->WSAGetLastError() : 0;
          close_seen_ = true;
        }
      }
    }
    if (ready & EventLoop::kWritable) events |= FD_WRITE;
  }
  events &= select_event_mask_;
  if (events & (FD_READ | FD_ACCEPT)) read_armed_ = false;
  if (events != 0) {
    TMessage message;
    message.Msg = WM_ASYNCSELECT;
    message.WParam = static_cast<std::uintptr_t>(fd);
    message.LParam = static_cast<std::intptr_t>(events | (static_cast<std::uint32_t>(error) << 16));
    message.SocketGeneration = generation;
    WndProc(message);
  }
  UpdateWatch();
}

// The window.

void TCustomAsyncSocket::AllocateSocketWindow() {
  window_ = std::make_unique<SocketWindow>(*loop_, [this](TMessage& message) {
    WndProc(message);
    UpdateWatch();
  });
  creating_thread_ = std::this_thread::get_id();
}

void TCustomAsyncSocket::DeallocateSocketWindow() {
  window_.reset();
}

void TCustomAsyncSocket::PostToWindow(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam) {
  if (window_ == nullptr) return;
  TMessage message;
  message.Msg = msg;
  message.WParam = wparam;
  message.LParam = lparam;
  message.SocketGeneration = generation_;
  window_->PostMessage(message);
}

void TCustomAsyncSocket::WndProc(TMessage& MsgRec) {
  try {
    switch (MsgRec.Msg) {
      case WM_ASYNCSELECT:
        WMAsyncSelect(MsgRec);
        break;
      case WM_ASYNCGETHOSTBYNAME:
      case WM_ASYNCGETHOSTBYADDR:
        WMAsyncGetHost(MsgRec);
        break;
      case WM_CLOSE_DELAYED:
        Close();
        break;
      case WM_ASYNCSOCKET_RELEASE:
        ReleaseRequested();
        break;
      case WM_TRIGGER_EXCEPTION:
        throw ESocketException("Test exception in AsyncSocket");
      default:
        MsgRec.Result = 0;
        break;
    }
  } catch (const std::exception& error) {
    HandleBackgroundException(error);
  }
}

void TCustomAsyncSocket::WMAsyncSelect(TMessage& MsgRec) {
  if (static_cast<int>(MsgRec.WParam) != hsocket_ || MsgRec.SocketGeneration != generation_ ||
      paused_) {
    return;
  }
  const auto events = static_cast<std::uint16_t>(MsgRec.LParam & 0xFFFF);
  const auto error = static_cast<std::uint16_t>((MsgRec.LParam >> 16) & 0xFFFF);
  if (CheckLogOptions(TLogOption::loWsockDump)) {
    std::string line =
        "AsyncSelect CtrlSocket" + std::to_string(MsgRec.WParam) + ", " + std::to_string(events);
    if (events & FD_CONNECT) line += " FD_CONNECT";
    if (events & FD_READ) line += " FD_READ";
    if (events & FD_WRITE) line += " FD_WRITE";
    if (events & FD_CLOSE) line += " FD_CLOSE";
    if (events & FD_ACCEPT) line += " FD_ACCEPT";
    DebugLog(TLogOption::loWsockDump, line);
  }
  if (events & FD_CONNECT) DoFdConnect(error);
  if (events & FD_READ) DoFdRead(error);
  if (events & FD_WRITE) DoFdWrite(error);
  if (events & FD_ACCEPT) DoFdAccept(error);
  if (events & FD_CLOSE) DoFdClose(error);
}

void TCustomAsyncSocket::HandleBackgroundException(const std::exception& E) {
  bool can_close = true;
  if (OnBgException) {
    try {
      OnBgException(*this, E, can_close);
    } catch (...) {
    }
  }
  if (!can_close) return;
  try {
    Abort();
  } catch (...) {
  }
}

void TCustomAsyncSocket::CloseDelayed() {
  PostToWindow(WM_CLOSE_DELAYED, 0, 0);
}

void TCustomAsyncSocket::Release() {
  PostToWindow(WM_ASYNCSOCKET_RELEASE, 0, 0);
}

void TCustomAsyncSocket::Pause() {
  paused_ = true;
  UpdateWatch();
}

void TCustomAsyncSocket::Resume() {
  paused_ = false;
  if (hsocket_ != INVALID_SOCKET && select_event_mask_ != 0) WSAAsyncSelect(select_event_mask_);
}

void TCustomAsyncSocket::MessagePump() {
  if (loop_ == nullptr) return;
  loop_->RunOnce(std::chrono::milliseconds(10));
  if (loop_->QuitRequested()) terminated_ = true;
}

void TCustomAsyncSocket::ThreadDetach() {
  if (std::this_thread::get_id() != creating_thread_) {
    return RaiseException("Cannot detach from other thread");
  }
  if (window_ == nullptr) return;
  if (watch_ != 0) loop_->Unwatch(watch_);
  watch_ = 0;
  watched_interest_ = 0;
  ForgetDnsRequest();
  DeallocateSocketWindow();
  loop_ = nullptr;
}

void TCustomAsyncSocket::ThreadAttach(EventLoop& loop) {
  if (window_ != nullptr) return RaiseException("Cannot attach when not detached");
  loop_ = &loop;
  AllocateSocketWindow();
  if (hsocket_ != INVALID_SOCKET && select_event_mask_ != 0) WSAAsyncSelect(select_event_mask_);
}

// Errors.

void TCustomAsyncSocket::SocketError(const std::string& FunctionName, bool close_on_reset) {
  const int error = binding_->WSAGetLastError();
  const std::string line = "Error " + std::to_string(error) + " in function " + FunctionName +
                           "\r\n" + AsyncSocketErrorText(error);
  if (close_on_reset && (error == WSAECONNRESET || error == WSAENOTCONN)) {
    if (hsocket_ != INVALID_SOCKET) binding_->closesocket(hsocket_);
    DropSocket();
    if (state_ != TSocketState::wsClosed && !close_invoked_) {
      close_invoked_ = true;
      TriggerSessionClosed(static_cast<std::uint16_t>(error));
    }
    ChangeState(TSocketState::wsClosed);
  }
  LastError = error;
  RaiseException(line);
}

void TCustomAsyncSocket::RaiseException(const std::string& Msg) {
  if (!OnError) throw ESocketException(Msg);
  OnError(*this);
}

// Events.

bool TCustomAsyncSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (!OnDataAvailable) return false;
  OnDataAvailable(*this, Error);
  return true;
}

void TCustomAsyncSocket::TriggerSessionAvailable(std::uint16_t Error) {
  if (OnSessionAvailable) OnSessionAvailable(*this, Error);
}

void TCustomAsyncSocket::TriggerSessionConnected(std::uint16_t Error) {
  TriggerSessionConnectedEvent(Error);
}

void TCustomAsyncSocket::TriggerSessionConnectedEvent(std::uint16_t Error) {
  if (OnSessionConnected) OnSessionConnected(*this, Error);
}

void TCustomAsyncSocket::TriggerSessionClosed(std::uint16_t Error) {
  if (OnSessionClosed) OnSessionClosed(*this, Error);
}

void TCustomAsyncSocket::TriggerDataSent(std::uint16_t Error) {
  if (CheckLogOptions(TLogOption::loWsockDump)) {
    DebugLog(TLogOption::loWsockDump, Name + " TriggerDataSent " + std::to_string(hsocket_));
  }
  if (OnDataSent) OnDataSent(*this, Error);
}

void TCustomAsyncSocket::TriggerChangeState(TSocketState OldState, TSocketState NewState) {
  if (OnChangeState) OnChangeState(*this, OldState, NewState);
}

void TCustomAsyncSocket::TriggerDnsLookupDone(std::uint16_t Error) {
  if (OnDnsLookupDone) OnDnsLookupDone(*this, Error);
}

// Notifications.

void TCustomAsyncSocket::DoFdConnect(std::uint16_t Error) {
  if (state_ == TSocketState::wsConnected) return;
  ChangeState(TSocketState::wsConnected);
  TriggerSessionConnected(Error);
  if (Error != 0 && state_ != TSocketState::wsClosed) Close();
}

void TCustomAsyncSocket::DoFdRead(std::uint16_t Error) {
  if (state_ != TSocketState::wsConnected) {
    ChangeState(TSocketState::wsConnected);
    TriggerSessionConnected(Error);
  }
  // A peer that never pauses must not keep the others waiting: after a few rounds the rest
  // waits for the next turn of the event loop.
  constexpr int kRoundsPerNotification = 16;
  ReceiveLoop(Error, ComponentOptions, kRoundsPerNotification);
}

void TCustomAsyncSocket::DoFdWrite(std::uint16_t Error) {
  TryToSend();
  if (all_sent_) TriggerDataSent(Error);
}

void TCustomAsyncSocket::DoFdAccept(std::uint16_t Error) {
  TriggerSessionAvailable(Error);
}

void TCustomAsyncSocket::DoFdClose(std::uint16_t Error) {
  if (state_ == TSocketState::wsConnecting || hsocket_ == INVALID_SOCKET) return;
  // Whatever is left is always read, one delivery per notification or not.
  TAsyncSocketOptions options = ComponentOptions;
  options.erase(TAsyncSocketOption::wsoNoReceiveLoop);
  ReceiveLoop(0, options, -1);
  if (!close_invoked_) {
    close_invoked_ = true;
    TriggerSessionClosed(Error);
  }
  if (state_ != TSocketState::wsClosed) Close();
}

void TCustomAsyncSocket::ReceiveLoop(std::uint16_t Error, const TAsyncSocketOptions& Options,
                                     int max_rounds) {
  for (int round = 0; max_rounds < 0 || round < max_rounds; ++round) {
    try {
      const std::uint64_t reads_before = socket_reads_;
      LastError = 0;
      if (!TriggerDataAvailable(Error)) {
        char discarded[1024];
        if (DoRecv(discarded, sizeof discarded, 0) < 0 &&
            binding_->WSAGetLastError() == WSAEWOULDBLOCK) {
          LastError = 0;
          break;
        }
      }
      if (Options.contains(TAsyncSocketOption::wsoNoReceiveLoop)) break;
      if (LastError != 0) break;
      // A handler that reads nothing would be called for ever.
      if (socket_reads_ == reads_before || hsocket_ == INVALID_SOCKET) break;
      unsigned long waiting = 0;
      if (binding_->ioctlsocket(hsocket_, FIONREAD, &waiting) != 0) {
        LastError = binding_->WSAGetLastError();
        break;
      }
      if (waiting == 0) break;
    } catch (...) {
      break;
    }
  }
}

// Closing.

void TCustomAsyncSocket::InternalClose(bool bShut, std::uint16_t Error) {
  if (hsocket_ == INVALID_SOCKET) {
    if (state_ != TSocketState::wsClosed) {
      ChangeState(TSocketState::wsClosed);
      AssignDefaultValues();
    }
    return;
  }
  if (state_ == TSocketState::wsClosed) return;
  // A socket set to reset its connection on close says nothing more first: a shutdown would
  // send an orderly end ahead of the reset, and the peer would take that for the end.
  if (bShut && !reset_on_close_) Shutdown(SHUT_WR);
  while (binding_->closesocket(hsocket_) != 0) {
    LastError = binding_->WSAGetLastError();
    if (LastError == WSAEWOULDBLOCK) {
      MessagePump();
      continue;
    }
    if (LastError == WSANOTINITIALISED) break;
    DropSocket();
    return SocketError("Disconnect (closesocket)");
  }
  DropSocket();
  ChangeState(TSocketState::wsClosed);
  if (!destroying_ && !close_invoked_) {
    close_invoked_ = true;
    TriggerSessionClosed(Error);
  }
  try {
    AssignDefaultValues();
  } catch (...) {
  }
}

void TCustomAsyncSocket::InternalAbort(std::uint16_t ErrCode) {
  CancelDnsLookup();
  DeleteBufferedData();
  if (state_ == TSocketState::wsConnected && proto_ == IPPROTO_TCP) {
    LingerOnOff = TSocketLingerOnOff::wsLingerOff;
    SetLingerOption();
  }
  InternalClose(false, ErrCode);
}

void TCustomAsyncSocket::Shutdown(int How) {
  if (CheckLogOptions(TLogOption::loWsockInfo)) {
    DebugLog(TLogOption::loWsockInfo, Name + " TCustomAsyncSocket.Shutdown " + std::to_string(How) +
                                          " " + std::to_string(hsocket_));
  }
  if (hsocket_ != INVALID_SOCKET) binding_->shutdown(hsocket_, How);
}

void TCustomAsyncSocket::SetLingerOption() {
  if (LingerOnOff == TSocketLingerOnOff::wsLingerNoSet) return;
  if (hsocket_ == INVALID_SOCKET) return RaiseException("Cannot set linger option at this time");
  linger option{};
  option.l_onoff = LingerOnOff == TSocketLingerOnOff::wsLingerOn ? 1 : 0;
  option.l_linger = static_cast<std::uint16_t>(LingerTimeout);
  if (binding_->setsockopt(hsocket_, SOL_SOCKET, SO_LINGER, &option, sizeof option) != 0) {
    return SocketError("setsockopt(SO_LINGER)");
  }
  reset_on_close_ = option.l_onoff != 0 && option.l_linger == 0;
}

// Addresses.

std::string TCustomAsyncSocket::GetPeerAddr() {
  if (state_ != TSocketState::wsConnected) return "error";
  sockaddr_in peer{};
  if (binding_->getpeername(hsocket_, &peer) != 0) {
    SocketError("GetPeerAddr");
    return "error";
  }
  return DottedAddress(peer.sin_addr.s_addr);
}

std::string TCustomAsyncSocket::GetPeerPort() {
  if (state_ != TSocketState::wsConnected) return "error";
  sockaddr_in peer{};
  if (binding_->getpeername(hsocket_, &peer) != 0) {
    SocketError("GetPeerPort");
    return "error";
  }
  return std::to_string(ntohs(peer.sin_port));
}

int TCustomAsyncSocket::GetPeerName(sockaddr_in& Name) {
  if (state_ != TSocketState::wsConnected) return -1;
  return binding_->getpeername(hsocket_, &Name);
}

int TCustomAsyncSocket::GetSockName(sockaddr_in& Name) {
  return binding_->getsockname(hsocket_, &Name);
}

std::string TCustomAsyncSocket::GetBoundPort() {
  if (state_ != TSocketState::wsBound && state_ != TSocketState::wsConnected &&
      state_ != TSocketState::wsListening) {
    return "error";
  }
  sockaddr_in bound{};
  if (GetSockName(bound) != 0) return "error";
  return std::to_string(ntohs(bound.sin_port));
}

std::string TCustomAsyncSocket::GetBoundAddr() {
  if (state_ != TSocketState::wsBound && state_ != TSocketState::wsConnected &&
      state_ != TSocketState::wsListening) {
    return "error";
  }
  sockaddr_in bound{};
  if (GetSockName(bound) != 0) return "error";
  return DottedAddress(bound.sin_addr.s_addr);
}

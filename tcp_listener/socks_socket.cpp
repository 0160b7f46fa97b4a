#include "tcp_listener/socks_socket.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>

#include "tcp_listener/host_lookup.h"
#include "tcp_listener/socket_resolve.h"
#include "tcp_listener/winsock_errors.h"

namespace {

constexpr char kSocks4 = 4;
constexpr char kSocks5 = 5;
constexpr char kCommandConnect = 1;
constexpr char kAddressIPv4 = 1;
constexpr char kAddressName = 3;
constexpr char kMethodNone = 0;
constexpr char kMethodUsercode = 2;
constexpr char kUsercodeVersion = 1;
constexpr int kSocks4Granted = 90;
constexpr std::size_t kSocks4ReplyLength = 8;
constexpr std::size_t kSocks5IPv4ReplyLength = 10;
constexpr std::size_t kSocks5NameReplyBase = 7;  // plus the length of the name
constexpr int kReceiveBlock = 256;

// SOCKS error numbers and their texts.
constexpr int kSocksLogicError = 20001;
constexpr int kSocksVersionError = 20002;
constexpr int kSocksMethodNotAcceptable = 20003;
constexpr int kSocksAddressTypeNotSupported = 20011;
constexpr int kSocksUnassignedError = 20012;
constexpr int kSocksInternalError = 20013;
constexpr int kSocksAuthenticationFailed = 20015;
constexpr int kSocksRequestRejected = 20016;
constexpr int kSocksConnectionRefused = 20008;

struct Socks5Failure {
  int error;
  const char* text;
};
// Reply codes 1 to 8 of a SOCKS 5 connect reply.
constexpr Socks5Failure kSocks5Failures[] = {
    {20004, "general SOCKS server failure"}, {20005, "connection not allowed by ruleset"},
    {20006, "network unreachable"},          {20007, "host unreachable"},
    {20008, "connection refused"},           {20009, "time to live expired"},
    {20010, "command not supported"},        {20011, "address type not supported"},
};

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

char Byte(int value) {
  return static_cast<char>(value & 0xFF);
}

int ByteAt(const std::string& bytes, std::size_t index) {
  return static_cast<unsigned char>(bytes[index]);
}

}  // namespace

void TCustomSocksAsyncSocket::SetSocksLevel(const std::string& value) {
  if (State() != TSocketState::wsClosed) {
    return RaiseException("Can't change socks level if not closed");
  }
  if (value != "4" && value != "5" && value != "4A" && value != "4a") {
    return RaiseException("Invalid socks level. Must be 4, 4A or 5.");
  }
  socks_level_ = UpperCase(value);
}

void TCustomSocksAsyncSocket::SetSocksServer(const std::string& value) {
  if (State() != TSocketState::wsClosed) {
    return RaiseException("Can't change socks server if not closed");
  }
  socks_server_ = AsyncSocketTrim(value);
  socks_server_assigned_ = !socks_server_.empty();
}

void TCustomSocksAsyncSocket::SetSocksPort(const std::string& value) {
  if (State() != TSocketState::wsClosed) {
    return RaiseException("Can't change socks port if not closed");
  }
  socks_port_ = AsyncSocketTrim(value);
  socks_port_assigned_ = !socks_port_.empty();
}

void TCustomSocksAsyncSocket::AssignDefaultValues() {
  TCustomAsyncSocket::AssignDefaultValues();
  socks_state_ = kSocksIdle;
  socks_server_.clear();
  socks_server_assigned_ = false;
  socks_port_.clear();
  socks_port_assigned_ = false;
  socks_level_ = "5";
}

void TCustomSocksAsyncSocket::Listen() {
  if (socks_server_assigned_) return RaiseException("Listening is not supported thru socks server");
  TCustomAsyncSocket::Listen();
}

void TCustomSocksAsyncSocket::Connect() {
  if (!socks_server_assigned_) return TCustomAsyncSocket::Connect();
  const std::string proto = AsyncSocketTrim(Proto());
  if (UpperCase(proto) != "TCP" && proto != "6") {
    return RaiseException("tcp is the only protocol supported thru socks server");
  }
  try {
    socks_target_port_ =
        static_cast<std::uint16_t>(AsyncSocketResolvePort(Binding(), Port(), Proto()));
    if (socks_level_ == "4") socks_target_address_ = AsyncSocketResolveHost(Binding(), Addr());
    MarkPortResolved(AsyncSocketResolvePort(Binding(), socks_port_, Proto()));
    sockaddr_in server = SocketAddress();
    server.sin_addr.s_addr = AsyncSocketResolveHost(Binding(), socks_server_);
    SetSocketAddress(server);
    MarkAddrResolved();
  } catch (const std::exception& error) {
    return RaiseException(std::string("connect: ") + error.what());
  }
  socks_reply_.clear();
  socks_kept_.clear();
  socks_bound_addr_.clear();
  socks_bound_port_.clear();
  socks_state_ = kSocksConnecting;
  TCustomAsyncSocket::Connect();
}

void TCustomSocksAsyncSocket::TriggerSocksConnected(std::uint16_t ErrCode) {
  if (OnSocksConnected) OnSocksConnected(*this, ErrCode);
}

void TCustomSocksAsyncSocket::TriggerSocksError(int Error, const std::string& Msg) {
  if (OnSocksError) OnSocksError(*this, Error, Msg);
}

void TCustomSocksAsyncSocket::TriggerSocksAuthState(TSocksAuthState state) {
  if (OnSocksAuthState) OnSocksAuthState(*this, state);
}

void TCustomSocksAsyncSocket::TriggerSessionConnected(std::uint16_t Error) {
  if (socks_state_ != kSocksConnecting) return TCustomAsyncSocket::TriggerSessionConnected(Error);
  TriggerSocksConnected(Error);
  if (Error != 0) {
    socks_state_ = kSocksIdle;
    return TCustomAsyncSocket::TriggerSessionConnected(Error);
  }
  if (socks_level_ == "5") {
    socks_auth_method_ = SocksAuthentication == TSocksAuthentication::socksAuthenticateUsercode
                             ? kMethodUsercode
                             : kMethodNone;
    SendBytes(std::string{kSocks5, 1, static_cast<char>(socks_auth_method_)});
  } else {
    SendConnectRequest();
  }
}

void TCustomSocksAsyncSocket::SendBytes(const std::string& bytes) {
  Send(bytes.data(), static_cast<int>(bytes.size()));
}

void TCustomSocksAsyncSocket::SendConnectRequest() {
  std::string request;
  if (socks_level_ == "5") {
    request = {kSocks5, kCommandConnect, 0, kAddressName, Byte(static_cast<int>(Addr().size()))};
    request += Addr();
  } else {
    request = {kSocks4, kCommandConnect};
  }
  const std::string port{Byte(socks_target_port_ >> 8), Byte(socks_target_port_)};
  if (socks_level_ == "5") {
    request += port;
  } else {
    request += port;
    // SOCKS 4A names the target after the user code and sends 0.0.0.1 in its place.
    const in_addr_t address = socks_level_ == "4" ? socks_target_address_ : htonl(1);
    request.append(reinterpret_cast<const char*>(&address), sizeof address);
    request += SocksUsercode;
    request.push_back(0);
    if (socks_level_ == "4A") {
      request += Addr();
      request.push_back(0);
    }
  }
  socks_state_ = kSocksWaitingReply;
  socks_reply_.clear();
  SendBytes(request);
}

bool TCustomSocksAsyncSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (socks_state_ == kSocksIdle) return TCustomAsyncSocket::TriggerDataAvailable(Error);
  char block[kReceiveBlock];
  const int count = Receive(block, sizeof block);
  if (count < 0) {
    const int error = Binding().WSAGetLastError();
    if (error != WSAEWOULDBLOCK) SocksFailed(error, "data receive error");
    return true;
  }
  socks_reply_.append(block, static_cast<std::size_t>(count));
  switch (socks_state_) {
    case kSocksConnecting:
      if (socks_level_ != "5") {
        SocksFailed(kSocksLogicError, "TAsyncSocket logic error");
      } else if (socks_reply_.size() >= 2) {
        HandleGreetingReply();
      }
      break;
    case kSocksAuthenticating:
      HandleAuthenticationReply();
      break;
    case kSocksWaitingReply:
      if (socks_level_ == "5") {
        HandleConnectReply5();
      } else {
        HandleConnectReply4();
      }
      break;
    default:
      SocksFailed(kSocksInternalError, "internal error");
      break;
  }
  return true;
}

void TCustomSocksAsyncSocket::HandleGreetingReply() {
  if (ByteAt(socks_reply_, 0) != kSocks5)
    return SocksFailed(kSocksVersionError, "socks version error");
  const int method = ByteAt(socks_reply_, 1);
  socks_reply_.clear();
  if (method == kMethodNone) {
    if (socks_auth_method_ == kMethodUsercode) {
      TriggerSocksAuthState(TSocksAuthState::socksAuthNotRequired);
    }
    return SendConnectRequest();
  }
  if (method != kMethodUsercode) {
    return SocksFailed(kSocksMethodNotAcceptable, "authentification method not acceptable");
  }
  socks_state_ = kSocksAuthenticating;
  TriggerSocksAuthState(TSocksAuthState::socksAuthStart);
  std::string request{kUsercodeVersion, Byte(static_cast<int>(SocksUsercode.size()))};
  request += SocksUsercode;
  request.push_back(Byte(static_cast<int>(SocksPassword.size())));
  request += SocksPassword;
  SendBytes(request);
}

void TCustomSocksAsyncSocket::HandleAuthenticationReply() {
  if (socks_reply_.size() < 2) return;
  if (socks_reply_.size() > 2) return SocksFailed(kSocksLogicError, "too much data availaible");
  if (ByteAt(socks_reply_, 0) != kUsercodeVersion) {
    return SocksFailed(kSocksVersionError, "socks version error");
  }
  if (ByteAt(socks_reply_, 1) != 0) {
    return SocksFailed(kSocksAuthenticationFailed, "socks authentication failed");
  }
  TriggerSocksAuthState(TSocksAuthState::socksAuthSuccess);
  SendConnectRequest();
}

void TCustomSocksAsyncSocket::HandleConnectReply4() {
  if (socks_reply_.size() < kSocks4ReplyLength) return;
  if (ByteAt(socks_reply_, 0) != 0) return SocksFailed(kSocksVersionError, "socks version error");
  const int code = ByteAt(socks_reply_, 1);
  switch (code) {
    case kSocks4Granted:
      return SocksSucceeded(kSocks4ReplyLength);
    case 91:
      return SocksFailed(kSocksRequestRejected, "request rejected or failed");
    case 92:
      return SocksFailed(kSocksConnectionRefused, "connection refused");
    case 93:
      return SocksFailed(kSocksAuthenticationFailed, "authentification failed");
    default:
      return SocksFailed(kSocksUnassignedError, "unassigned error #" + std::to_string(code));
  }
}

void TCustomSocksAsyncSocket::HandleConnectReply5() {
  if (socks_reply_.size() < 2) return;
  if (ByteAt(socks_reply_, 0) != kSocks5)
    return SocksFailed(kSocksVersionError, "socks version error");
  const int code = ByteAt(socks_reply_, 1);
  if (code != 0) {
    if (code >= 1 && code <= 8) {
      return SocksFailed(kSocks5Failures[code - 1].error, kSocks5Failures[code - 1].text);
    }
    return SocksFailed(kSocksUnassignedError, "unassigned error #" + std::to_string(code));
  }
  if (socks_reply_.size() < 5) return;
  const int address_type = ByteAt(socks_reply_, 3);
  std::size_t length = 0;
  if (address_type == kAddressIPv4) {
    length = kSocks5IPv4ReplyLength;
  } else if (address_type == kAddressName) {
    length = kSocks5NameReplyBase + static_cast<std::size_t>(ByteAt(socks_reply_, 4));
  } else {
    return SocksFailed(kSocksAddressTypeNotSupported, "address type not supported");
  }
  if (socks_reply_.size() < length) return;
  if (address_type == kAddressIPv4) {
    in_addr_t address;
    std::copy_n(socks_reply_.data() + 4, sizeof address, reinterpret_cast<char*>(&address));
    socks_bound_addr_ = DottedAddress(address);
  } else {
    socks_bound_addr_ = socks_reply_.substr(5, static_cast<std::size_t>(ByteAt(socks_reply_, 4)));
  }
  socks_bound_port_ =
      std::to_string(ByteAt(socks_reply_, length - 2) * 256 + ByteAt(socks_reply_, length - 1));
  SocksSucceeded(length);
}

void TCustomSocksAsyncSocket::SocksSucceeded(std::size_t reply_length) {
  socks_kept_ = socks_reply_.substr(reply_length);
  socks_reply_.clear();
  socks_state_ = kSocksIdle;
  TCustomAsyncSocket::TriggerSessionConnected(0);
  // Data that came with the reply is handed on before anything the socket holds.
  while (!socks_kept_.empty() && State() == TSocketState::wsConnected) {
    const std::size_t kept_before = socks_kept_.size();
    TriggerDataAvailable(0);
    if (socks_kept_.size() == kept_before) break;
  }
}

void TCustomSocksAsyncSocket::SocksFailed(int Error, const std::string& Msg) {
  TriggerSocksError(Error, Msg);
  socks_state_ = kSocksIdle;
  TCustomAsyncSocket::TriggerSessionConnected(static_cast<std::uint16_t>(Error));
  InternalClose(true, static_cast<std::uint16_t>(Error));
}

void TCustomSocksAsyncSocket::TriggerSessionClosed(std::uint16_t Error) {
  if (socks_state_ == kSocksAuthenticating) {
    TriggerSocksAuthState(TSocksAuthState::socksAuthFailure);
  }
  TCustomAsyncSocket::TriggerSessionClosed(Error);
}

int TCustomSocksAsyncSocket::GetRcvdCount() {
  if (!socks_kept_.empty()) return static_cast<int>(socks_kept_.size());
  return TCustomAsyncSocket::GetRcvdCount();
}

int TCustomSocksAsyncSocket::DoRecv(void* Buffer, int BufferSize, int Flags) {
  if (socks_kept_.empty()) return TCustomAsyncSocket::DoRecv(Buffer, BufferSize, Flags);
  const std::size_t count = std::min(socks_kept_.size(), static_cast<std::size_t>(BufferSize));
  std::copy_n(socks_kept_.data(), count, static_cast<char*>(Buffer));
  socks_kept_.erase(0, count);
  return static_cast<int>(count);
}

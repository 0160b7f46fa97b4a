// Receiving and the send buffer of the socket component.

#include <sys/ioctl.h>

#include <algorithm>
#include <chrono>
#include <mutex>

#include "tcp_listener/async_socket.h"
#include "tcp_listener/winsock_errors.h"

// Receiving.

int TCustomAsyncSocket::GetRcvdCount() {
  unsigned long waiting = 0;
  if (binding_->ioctlsocket(hsocket_, FIONREAD, &waiting) != 0) {
    SocketError("ioctlSocket");
    return -1;
  }
  return static_cast<int>(waiting);
}

int TCustomAsyncSocket::DoRecv(void* Buffer, int BufferSize, int Flags) {
  read_armed_ = true;
  ++socket_reads_;
  return binding_->recv(hsocket_, Buffer, BufferSize, Flags);
}

int TCustomAsyncSocket::DoRecvFrom(void* Buffer, int BufferSize, int Flags, sockaddr_in& From) {
  read_armed_ = true;
  ++socket_reads_;
  return binding_->recvfrom(hsocket_, Buffer, BufferSize, Flags, &From);
}

int TCustomAsyncSocket::Receive(void* Buffer, int BufferSize) {
  const int count = DoRecv(Buffer, BufferSize, 0);
  if (count < 0) {
    LastError = binding_->WSAGetLastError();
  } else {
    read_count_ += count;
  }
  return count;
}

std::string TCustomAsyncSocket::ReceiveStr() {
  int count = GetRcvdCount();
  if (count < 0) return std::string();
  if (count == 0) count = 255;
  std::string received(static_cast<std::size_t>(count), '\0');
  const int got = Receive(received.data(), count);
  if (got < 1) return std::string();
  received.resize(static_cast<std::size_t>(got));
  return received;
}

int TCustomAsyncSocket::ReceiveFrom(void* Buffer, int BufferSize, sockaddr_in& From) {
  const int count = DoRecvFrom(Buffer, BufferSize, 0, From);
  if (count < 0) {
    LastError = binding_->WSAGetLastError();
  } else {
    read_count_ += count;
  }
  return count;
}

// Sending.

void TCustomAsyncSocket::PutDataInSendBuffer(const void* Data, int Len) {
  if (Len < 1 || Data == nullptr) return;
  std::lock_guard lock(binding_->SendBufferLock());
  if (buf_list_.empty()) buf_list_.push_back(std::make_unique<TBuffer>(buf_size_));
  buffered_byte_count_ += Len;
  const char* bytes = static_cast<const char*>(Data);
  int written = buf_list_.back()->Write(bytes, Len);
  while (written < Len) {
    buf_list_.push_back(std::make_unique<TBuffer>(buf_size_));
    written += buf_list_.back()->Write(bytes + written, Len - written);
  }
  all_sent_ = false;
}

void TCustomAsyncSocket::DeleteBufferedData() {
  std::lock_guard lock(binding_->SendBufferLock());
  buf_list_.clear();
  buffered_byte_count_ = 0;
}

int TCustomAsyncSocket::Send(const void* Data, int Len) {
  if (state_ != TSocketState::wsConnected && state_ != TSocketState::wsSocksConnected) {
    binding_->WSASetLastError(WSAENOTCONN);
    SocketError("Send");
    return -1;
  }
  all_sent_ = false;
  int result = 0;
  if (Len > 0) {
    PutDataInSendBuffer(Data, Len);
    result = Len;
  }
  TryToSend();
  // OnDataSent then fires from the event loop, as it does for a real write notification.
  if (all_sent_ && hsocket_ != INVALID_SOCKET) {
    PostToWindow(WM_ASYNCSELECT, static_cast<std::uintptr_t>(hsocket_), FD_WRITE);
  }
  UpdateWatch();
  return result;
}

int TCustomAsyncSocket::SendStr(const std::string& Str) {
  if (Str.empty()) return 0;
  return Send(Str.data(), static_cast<int>(Str.size()));
}

int TCustomAsyncSocket::SendChunk(const char* Data, int Len) {
  if (socket_type_ == SOCK_DGRAM) return binding_->sendto(hsocket_, Data, Len, send_flags_, sin_);
  return binding_->send(hsocket_, Data, Len, send_flags_);
}

int TCustomAsyncSocket::SendTo(const sockaddr_in& Dest, const void* Data, int Len) {
  const int count = binding_->sendto(hsocket_, Data, Len, send_flags_, Dest);
  if (count > 0 && OnSendData) OnSendData(*this, count);
  if (buf_list_.empty() || buffered_byte_count_ == 0) {
    PostToWindow(WM_ASYNCSELECT, static_cast<std::uintptr_t>(hsocket_), FD_WRITE);
  }
  return count;
}

void TCustomAsyncSocket::TryToSend() {
  std::lock_guard lock(binding_->SendBufferLock());
  if (hsocket_ == INVALID_SOCKET || buf_list_.empty()) {
    all_sent_ = true;
    return;
  }
  while (true) {
    TBuffer& first = *buf_list_.front();
    int len = 0;
    const char* data = first.Peek(len);
    if (len <= 0) {
      if (buf_list_.size() == 1) {
        all_sent_ = true;
        break;
      }
      buf_list_.pop_front();
      continue;
    }
    const int count = SendChunk(data, len);
    if (count > 0) {
      buffered_byte_count_ = std::max(0, buffered_byte_count_ - count);
      first.Remove(count);
      if (OnSendData) OnSendData(*this, count);
      if (count < len) break;  // the socket is full; the write notification resumes
      continue;
    }
    if (count == 0) break;
    const int error = binding_->WSAGetLastError();
    if (error == WSAECONNRESET || error == WSAENOTSOCK || error == WSAENOTCONN ||
        error == WSAEINVAL || error == WSAECONNABORTED) {
      // The connection is gone: it is closed and reported closed once, with this error.
      if (CheckLogOptions(TLogOption::loWsockErr)) {
        DebugLog(TLogOption::loWsockErr, Name + " Winsock.Send failed " + std::to_string(error));
      }
      close_invoked_ = true;
      Close();
      TriggerSessionClosed(static_cast<std::uint16_t>(error));
      break;
    }
    if (error == WSAEWOULDBLOCK) break;
    SocketError("TryToSend failed");
    break;
  }
}

void TCustomAsyncSocket::Flush() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(FlushTimeout);
  while (hsocket_ != INVALID_SOCKET && !all_sent_ && loop_ != nullptr && !terminated_ &&
         std::chrono::steady_clock::now() < deadline) {
    TryToSend();
    if (all_sent_) break;
    UpdateWatch();
    MessagePump();
  }
}

void TCustomAsyncSocket::WaitForClose() {
  while (hsocket_ != INVALID_SOCKET && state_ != TSocketState::wsClosed && loop_ != nullptr &&
         !terminated_) {
    MessagePump();
    if (hsocket_ == INVALID_SOCKET) break;
    unsigned long waiting = 0;
    if (binding_->ioctlsocket(hsocket_, FIONREAD, &waiting) != 0) break;
    if (waiting > 0) TriggerDataAvailable(0);
    char probe;
    if (binding_->recv(hsocket_, &probe, 0, 0) < 0 &&
        binding_->WSAGetLastError() != WSAEWOULDBLOCK) {
      break;
    }
  }
}

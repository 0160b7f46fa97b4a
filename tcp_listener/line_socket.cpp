#include "tcp_listener/line_socket.h"

#include <exception>
#include <string>

namespace {

// Bytes read at a time when the socket does not say how many wait.
constexpr int kDefaultReadSize = 255;
// Deferred delivery gives up after this many passes that found no line.
constexpr int kDeferredPasses = 4;

}  // namespace

void TCustomLineAsyncSocket::SetLineMode(bool Value) {
  if (Value == line_mode_) return;
  line_mode_ = Value;
  if (line_mode_) rcv_buf_.SearchFromStart();
  if (rcv_buf_.PendingCount() > 0 || rcv_buf_.LineLength() > 0) {
    PostToWindow(WM_TRIGGER_DATA_AVAILABLE, 0, 0);
  }
}

int TCustomLineAsyncSocket::SendLine(const std::string& Str) {
  if (Str.empty()) return 0;
  PutDataInSendBuffer(Str.data(), static_cast<int>(Str.size()));
  SendStr(LineEnd);
  return static_cast<int>(Str.size() + 2);
}

void TCustomLineAsyncSocket::TriggerLineLimitExceeded(int Cnt, bool& ClearData) {
  if (OnLineLimitExceeded) OnLineLimitExceeded(*this, Cnt, ClearData);
}

int TCustomLineAsyncSocket::GetRcvdCount() {
  if (line_mode_) return static_cast<int>(rcv_buf_.LineLength());
  return TCustomSocksAsyncSocket::GetRcvdCount();
}

int TCustomLineAsyncSocket::DoRecv(void* Buffer, int BufferSize, int Flags) {
  const bool serve_line = line_mode_ && rcv_buf_.LineLength() > 0;
  const bool serve_pending = !line_mode_ && rcv_buf_.PendingCount() > 0;
  if (!serve_line && !serve_pending) {
    return TCustomSocksAsyncSocket::DoRecv(Buffer, BufferSize, Flags);
  }
  if (BufferSize <= 0) return 0;
  return static_cast<int>(
      rcv_buf_.Take(static_cast<char*>(Buffer), static_cast<std::size_t>(BufferSize)));
}

bool TCustomLineAsyncSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (!line_mode_ || LineEnd.empty() || SocksNegotiating()) {
    return TCustomSocksAsyncSocket::TriggerDataAvailable(Error);
  }
  int count = TCustomSocksAsyncSocket::GetRcvdCount();
  if (count < 0) return true;
  if (count == 0) count = kDefaultReadSize;
  std::string received(static_cast<std::size_t>(count), '\0');
  const int length = Receive(received.data(), count);
  // Nothing new: what is pending may still hold lines (line mode has just come back).
  if (length < 1 && rcv_buf_.PendingCount() == 0) return true;
  if (length > 0) {
    received.resize(static_cast<std::size_t>(length));
    const std::string echo = rcv_buf_.Append(received, LineEdit, LineEcho, LineEnd.size());
    if (!echo.empty()) SendStr(echo);
  }
  if (DeliverLines()) ApplyLineLimit();
  return true;
}

bool TCustomLineAsyncSocket::DeliverLines() {
  while (true) {
    if (!line_mode_) {
      DeliverRaw();
      return false;
    }
    if (!rcv_buf_.OfferLine(LineEnd)) return true;
    line_found_ = true;
    OfferToHandler();
  }
}

void TCustomLineAsyncSocket::OfferToHandler() {
  while (line_mode_ && rcv_buf_.LineLength() > 0) {
    const std::size_t before = rcv_buf_.LineLength();
    if (!TCustomSocksAsyncSocket::TriggerDataAvailable(0) || rcv_buf_.LineLength() == before) {
      rcv_buf_.DropOfferedLine();
    }
  }
}

void TCustomLineAsyncSocket::DeliverRaw() {
  while (!line_mode_ && rcv_buf_.PendingCount() > 0) {
    const std::size_t before = rcv_buf_.PendingCount();
    if (!TCustomSocksAsyncSocket::TriggerDataAvailable(0) || rcv_buf_.PendingCount() == before) {
      return;
    }
  }
}

void TCustomLineAsyncSocket::ApplyLineLimit() {
  if (!rcv_buf_.ExceedsLimit(LineLimit)) return;
  line_clear_data_ = true;
  TriggerLineLimitExceeded(static_cast<int>(rcv_buf_.PendingCount()), line_clear_data_);
  if (line_clear_data_) {
    // The rest of this line, when it comes, is no line of its own.
    rcv_buf_.Discard(true);
    line_clear_data_ = false;
  }
}

void TCustomLineAsyncSocket::WndProc(TMessage& MsgRec) {
  if (MsgRec.Msg != WM_TRIGGER_DATA_AVAILABLE) return TCustomSocksAsyncSocket::WndProc(MsgRec);
  try {
    WMTriggerDataAvailable();
  } catch (const std::exception& error) {
    HandleBackgroundException(error);
  }
}

void TCustomLineAsyncSocket::WMTriggerDataAvailable() {
  int passes = 0;
  while (rcv_buf_.PendingCount() > 0) {
    ++passes;
    line_found_ = false;
    const std::size_t before = rcv_buf_.PendingCount();
    TriggerDataAvailable(0);
    if (rcv_buf_.PendingCount() == 0) break;
    if (line_mode_ && passes >= kDeferredPasses && !line_found_) break;
    // Nothing was taken: nobody reads what waits, and asking again changes nothing.
    if (rcv_buf_.PendingCount() == before && !line_found_) break;
  }
}

void TCustomLineAsyncSocket::TriggerSessionClosed(std::uint16_t Error) {
  std::exception_ptr handler_failure;
  if (line_mode_ && !line_clear_data_ && !LineEnd.empty()) {
    try {
      // Complete lines still waiting (a handler failed on one) go first, then the rest.
      if (DeliverLines() && rcv_buf_.OfferRest()) OfferToHandler();
    } catch (...) {
      handler_failure = std::current_exception();
    }
  }
  rcv_buf_.Clear();
  TCustomSocksAsyncSocket::TriggerSessionClosed(Error);
  if (handler_failure) std::rethrow_exception(handler_failure);
}

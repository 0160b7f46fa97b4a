#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tcp_listener/line_buffer.h"
#include "tcp_listener/socks_socket.h"

using TLineLimitEvent =
    std::function<void(TCustomAsyncSocket& Sender, int RcvdLength, bool& ClearData)>;

// The line layer: in line mode the received bytes are gathered and OnDataAvailable fires once
// per complete line, whose bytes (line end included) the handler's ReceiveStr returns. An
// unterminated line longer than LineLimit is thrown away, with the rest of it up to its line
// end; an unterminated rest is offered as a last line when the connection closes.
class TCustomLineAsyncSocket : public TCustomSocksAsyncSocket {
 public:
  using TCustomSocksAsyncSocket::TCustomSocksAsyncSocket;

  std::string LineEnd = "\r\n";
  int LineLimit = 65536;  // 0 or less: no limit
  bool LineEcho = false;  // send received bytes back
  bool LineEdit = false;  // backspace and tab editing
  TLineLimitEvent OnLineLimitExceeded;

  bool LineMode() const { return line_mode_; }
  virtual void SetLineMode(bool Value);
  // Sends the text followed by LineEnd; answers the bytes sent (0 for an empty text).
  virtual int SendLine(const std::string& Str);

  // What waits to be handed on (for the tests of the layer).
  const LineBuffer& ReceivedLines() const { return rcv_buf_; }

 protected:
  virtual void TriggerLineLimitExceeded(int Cnt, bool& ClearData);
  void WndProc(TMessage& MsgRec) override;
  int GetRcvdCount() override;
  int DoRecv(void* Buffer, int BufferSize, int Flags) override;
  bool TriggerDataAvailable(std::uint16_t Error) override;
  void TriggerSessionClosed(std::uint16_t Error) override;

 private:
  // Offers every complete line to the handler in turn; false when line mode went off.
  bool DeliverLines();
  // Hands the pending bytes on unframed (line mode is off) while the handler takes them.
  void DeliverRaw();
  // Offers the line on offer until the handler has read it; a handler that reads nothing of
  // it in one call would be called for ever, so the line is then dropped.
  void OfferToHandler();
  void ApplyLineLimit();
  void WMTriggerDataAvailable();

  LineBuffer rcv_buf_;
  bool line_mode_ = false;
  bool line_found_ = false;
  bool line_clear_data_ = false;  // inside OnLineLimitExceeded
};

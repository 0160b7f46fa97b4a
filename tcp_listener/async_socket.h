#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/errors.h"
#include "platform/event_loop.h"
#include "tcp_listener/sock_buf.h"
#include "tcp_listener/sock_logger.h"
#include "tcp_listener/socket_window.h"
#include "tcp_listener/winsock_binding.h"

class DnsRequest;
struct HostReply;

// The exception of the socket components. A failed socket call reads
// "Error <number> in function <name>", CR LF, and WinSock's text of the error.
class ESocketException : public ProgramError {
 public:
  using ProgramError::ProgramError;
};

enum class TSocketState {
  wsInvalidState,
  wsOpened,
  wsBound,
  wsConnecting,
  wsSocksConnected,
  wsConnected,
  wsAccepting,
  wsListening,
  wsClosed,
};

enum class TAsyncSocketOption { wsoNoReceiveLoop, wsoTcpNoDelay, wsoSIO_RCVALL };
using TAsyncSocketOptions = std::set<TAsyncSocketOption>;
enum class TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum class TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };
enum class TSocketKeepAliveOnOff { wsKeepAliveOff, wsKeepAliveOnCustom, wsKeepAliveOnSystem };

class TCustomAsyncSocket;
using TDataAvailable = std::function<void(TCustomAsyncSocket& Sender, std::uint16_t ErrCode)>;
using TDataSent = TDataAvailable;
using TSessionClosed = TDataAvailable;
using TSessionAvailable = TDataAvailable;
using TSessionConnected = TDataAvailable;
using TDnsLookupDone = TDataAvailable;
using TSendData = std::function<void(TCustomAsyncSocket& Sender, int BytesSent)>;
using TChangeState =
    std::function<void(TCustomAsyncSocket& Sender, TSocketState OldState, TSocketState NewState)>;
using TNotifyEvent = std::function<void(TCustomAsyncSocket& Sender)>;
using TBgExceptionEvent =
    std::function<void(TCustomAsyncSocket& Sender, const std::exception& E, bool& CanClose)>;

// Socket component: owns a single socket and delivers its notifications as events of this
// object, always on the thread of the event loop given at construction. Order of delivery:
// connect, read, write, accept, close. Notifications for a socket the component has let go are
// discarded. The line layer, the send buffer and the listening server all build on this class.
class TCustomAsyncSocket {
 public:
  // The binding is shared with the components made from this one (a server's clients); none
  // given means a binding of its own.
  explicit TCustomAsyncSocket(EventLoop& loop, std::string name = {},
                              std::shared_ptr<WinSockBinding> binding = {});
  virtual ~TCustomAsyncSocket();
  TCustomAsyncSocket(const TCustomAsyncSocket&) = delete;
  TCustomAsyncSocket& operator=(const TCustomAsyncSocket&) = delete;

  std::string Name;
  int Tag = 0;

  // Address, port and protocol: changed only while closed.
  const std::string& Addr() const { return addr_; }
  virtual void SetAddr(const std::string& value);
  const std::string& Port() const { return port_str_; }
  virtual void SetPort(const std::string& value);
  const std::string& Proto() const { return proto_str_; }
  virtual void SetProto(const std::string& value);
  const std::string& LocalAddr() const { return local_addr_; }
  void SetLocalAddr(const std::string& value);
  const std::string& LocalPort() const { return local_port_str_; }
  void SetLocalPort(const std::string& value);
  std::string PeerAddr() { return GetPeerAddr(); }
  std::string PeerPort() { return GetPeerPort(); }
  const std::string& DnsResult() const { return dns_result_; }
  const std::vector<std::string>& DnsResultList() const { return dns_result_list_; }
  TSocketState State() const { return state_; }
  int ReadCount() const { return read_count_; }
  int RcvdCount() { return GetRcvdCount(); }
  std::uint8_t ReqVerLow() const { return binding_->ReqVerLow; }
  void SetReqVerLow(std::uint8_t value);
  std::uint8_t ReqVerHigh() const { return binding_->ReqVerHigh; }
  void SetReqVerHigh(std::uint8_t value);
  TSocketSendFlags SendFlags() const;
  void SetSendFlags(TSocketSendFlags value);
  TSockLogger* SockLogger() const { return sock_logger_; }
  void SetSockLogger(TSockLogger* logger);

  int LastError = 0;
  bool MultiThreaded = false;
  bool MultiCast = false;
  std::string MultiCastAddrStr;
  int MultiCastIpTTL = 1;
  bool ReuseAddr = false;
  TAsyncSocketOptions ComponentOptions;
  int ListenBacklog = 5;
  int FlushTimeout = 60;  // seconds Flush waits at most
  TSocketLingerOnOff LingerOnOff = TSocketLingerOnOff::wsLingerOn;
  int LingerTimeout = 0;
  TSocketKeepAliveOnOff KeepAliveOnOff = TSocketKeepAliveOnOff::wsKeepAliveOnSystem;
  int KeepAliveTime = 30000;     // milliseconds
  int KeepAliveInterval = 1000;  // milliseconds

  TDataAvailable OnDataAvailable;
  TDataSent OnDataSent;
  TSendData OnSendData;
  TSessionClosed OnSessionClosed;
  TSessionAvailable OnSessionAvailable;
  TSessionConnected OnSessionConnected;
  TChangeState OnChangeState;
  TDnsLookupDone OnDnsLookupDone;
  TNotifyEvent OnError;
  TBgExceptionEvent OnBgException;

  // Connections.
  virtual void Connect();
  virtual void Listen();
  virtual int Accept();
  // Takes over a socket made by Accept.
  virtual void Dup(int NewHSocket);
  void Close() { InternalClose(true, 0); }
  void CloseDelayed();
  // Asks the owner to free this component once the current event is over.
  void Release();
  void Abort() { InternalAbort(0); }
  void Shutdown(int How);
  void Pause();
  void Resume();

  // Receiving.
  int Receive(void* Buffer, int BufferSize);
  std::string ReceiveStr();
  int ReceiveFrom(void* Buffer, int BufferSize, sockaddr_in& From);

  // Sending: never blocks; what the socket does not take at once waits in the send buffer.
  virtual int Send(const void* Data, int Len);
  int SendStr(const std::string& Str);
  int SendTo(const sockaddr_in& Dest, const void* Data, int Len);
  void PutDataInSendBuffer(const void* Data, int Len);
  void Flush();
  int BufferedByteCount() const { return buffered_byte_count_; }
  bool AllSent() const { return all_sent_; }
  const std::deque<std::unique_ptr<TBuffer>>& SendBuffer() const { return buf_list_; }

  // Waits, delivering events, until the peer has closed the connection.
  void WaitForClose();

  // Host look-ups; the asynchronous ones end with OnDnsLookupDone.
  void DnsLookup(const std::string& HostName);
  void ReverseDnsLookup(const std::string& HostAddr);
  void ReverseDnsLookupSync(const std::string& HostAddr);
  void CancelDnsLookup();

  // Addresses.
  virtual std::string GetPeerAddr();
  virtual std::string GetPeerPort();
  int GetPeerName(sockaddr_in& Name);
  std::string GetBoundPort();
  std::string GetBoundAddr();
  int GetSockName(sockaddr_in& Name);

  // Runs what the event loop has due now.
  void MessagePump();
  // Moves the component to another thread's event loop: detach in the old thread, attach in
  // the new one.
  void ThreadDetach();
  void ThreadAttach(EventLoop& loop);

  void DebugLog(TLogOption Option, const std::string& Msg);
  bool CheckLogOptions(TLogOption Option) const;

  int HSocket() const { return hsocket_; }
  WinSockBinding& Binding() { return *binding_; }
  const std::shared_ptr<WinSockBinding>& SharedBinding() const { return binding_; }
  EventLoop* Loop() const { return loop_; }

 protected:
  virtual void WndProc(TMessage& MsgRec);
  void PostToWindow(unsigned msg, std::uintptr_t wparam, std::intptr_t lparam);
  virtual void AllocateSocketWindow();
  virtual void DeallocateSocketWindow();
  virtual void TryToSend();
  virtual void AssignDefaultValues();
  virtual void InternalClose(bool bShut, std::uint16_t Error);
  virtual void InternalAbort(std::uint16_t ErrCode);
  virtual int GetRcvdCount();
  virtual void BindSocket();
  virtual int SendChunk(const char* Data, int Len);
  virtual void RaiseException(const std::string& Msg);
  virtual void HandleBackgroundException(const std::exception& E);
  virtual bool TriggerDataAvailable(std::uint16_t Error);
  virtual void TriggerSessionAvailable(std::uint16_t Error);
  virtual void TriggerSessionConnected(std::uint16_t Error);
  virtual void TriggerSessionConnectedEvent(std::uint16_t Error);
  virtual void TriggerSessionClosed(std::uint16_t Error);
  virtual void TriggerDataSent(std::uint16_t Error);
  virtual void TriggerChangeState(TSocketState OldState, TSocketState NewState);
  virtual void TriggerDnsLookupDone(std::uint16_t Error);
  virtual int DoRecv(void* Buffer, int BufferSize, int Flags);
  virtual int DoRecvFrom(void* Buffer, int BufferSize, int Flags, sockaddr_in& From);
  virtual void DoFdConnect(std::uint16_t Error);
  virtual void DoFdRead(std::uint16_t Error);
  virtual void DoFdWrite(std::uint16_t Error);
  virtual void DoFdAccept(std::uint16_t Error);
  virtual void DoFdClose(std::uint16_t Error);
  virtual void DupConnected();
  // Called on WM_ASYNCSOCKET_RELEASE; a server frees its client here.
  virtual void ReleaseRequested() {}

  // Reports the failure of the last socket call made by FunctionName. A reset or lost
  // connection also closes the socket, unless it is a listening one (close_on_reset false).
  void SocketError(const std::string& FunctionName, bool close_on_reset = true);
  void ChangeState(TSocketState NewState);
  void DeleteBufferedData();
  void SetLingerOption();
  void SetKeepAliveOption();
  // WSAAsyncSelect: asks for the notifications of the mask (and makes the socket
  // non-blocking); 0 or SOCKET_ERROR.
  int WSAAsyncSelect(std::uint16_t Mask);
  // Resolves protocol, port and address as Listen and Connect do (throws on failure).
  void ResolveProto();
  void ResolvePort();
  void ResolveAddr();
  const sockaddr_in& SocketAddress() const { return sin_; }
  void SetSocketAddress(const sockaddr_in& sin) { sin_ = sin; }
  void MarkPortResolved(int port_number);
  void MarkAddrResolved();

 private:
  // The receive loop of a read or close notification.
  void ReceiveLoop(std::uint16_t Error, const TAsyncSocketOptions& Options, int max_rounds);
  void WMAsyncSelect(TMessage& MsgRec);
  // The end of a host-name or host-address look-up.
  void WMAsyncGetHost(TMessage& MsgRec);
  void TakeSocket(int s);
  void DropSocket();
  // Closes a socket that never got past setting up, keeping the error of the call that failed.
  void CloseUnfinishedSocket();
  void ListenOtherThanStream();
  void OnSocketReady(int fd, std::uint64_t generation, unsigned ready);
  void UpdateWatch();
  void StartDnsRequest(unsigned message, std::shared_ptr<DnsRequest> request);
  // Starts a look-up on its own thread; a thread or descriptor that cannot be had is raised
  // under the looked-up text.
  void StartLookupOrRaise(const std::string& looked_up, unsigned message,
                          std::function<HostReply()> lookup);
  // Cancels a running look-up and forgets the last answer.
  void ResetDnsLookup();
  // A reverse look-up's address check: false (reported) when it is no address.
  bool AcceptReverseLookupAddress(const std::string& HostAddr);
  void ForgetDnsRequest();
  // Raises "Cannot change <property> if not closed".
  void RefuseChangeWhileOpen(const char* property);

  EventLoop* loop_;
  std::shared_ptr<WinSockBinding> binding_;
  std::unique_ptr<SocketWindow> window_;
  std::thread::id creating_thread_;
  TSockLogger* sock_logger_ = nullptr;

  std::string dns_result_;
  std::vector<std::string> dns_result_list_;
  std::shared_ptr<DnsRequest> dns_request_;
  std::uint64_t dns_request_serial_ = 0;
  EventLoop::WatchId dns_watch_ = 0;

  int send_flags_ = 0;
  int hsocket_ = INVALID_SOCKET;
  std::uint64_t generation_ = 0;  // of hsocket_
  EventLoop::WatchId watch_ = 0;
  unsigned watched_interest_ = 0;
  // Like WinSock, a read or accept notification is given again only after the socket has
  // been read from or accepted on.
  bool read_armed_ = true;
  bool close_seen_ = false;  // the peer's close was noticed; it is reported once
  std::uint64_t socket_reads_ = 0;
  int accepted_hsocket_ = INVALID_SOCKET;

  std::string addr_;
  bool addr_assigned_ = false;
  bool addr_resolved_ = false;
  std::string proto_str_ = "tcp";
  int proto_ = IPPROTO_TCP;
  bool proto_assigned_ = true;
  bool proto_resolved_ = false;
  bool local_port_resolved_ = false;
  std::string port_str_;
  bool port_assigned_ = false;
  bool port_resolved_ = false;
  int port_num_ = 0;
  std::string local_port_str_ = "0";
  int local_port_num_ = 0;
  std::string local_addr_ = "0.0.0.0";
  int socket_type_ = 1;  // 1 stream, 2 datagram, 3 raw
  sockaddr_in sin_{};

  std::deque<std::unique_ptr<TBuffer>> buf_list_;
  int buf_size_ = 1460;
  int buffered_byte_count_ = 0;
  bool all_sent_ = true;

  // The linger setting last applied: on with 0 seconds, a close resets the connection.
  bool reset_on_close_ = false;
  int read_count_ = 0;
  bool paused_ = false;
  bool close_invoked_ = false;
  bool terminated_ = false;
  bool destroying_ = false;
  TSocketState state_ = TSocketState::wsClosed;
  std::uint16_t select_event_mask_ = 0;
  int snd_buf_size_ = 0;
  int rcv_buf_size_ = 0;
};

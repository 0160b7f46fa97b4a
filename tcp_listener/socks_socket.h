#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tcp_listener/async_socket.h"

enum class TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };

// The stages of a SOCKS 5 user-code authentication, as OnSocksAuthState reports them.
enum class TSocksAuthState {
  socksAuthStart = 0,
  socksAuthSuccess = 1,
  socksAuthFailure = 2,  // the connection went while authenticating
  socksAuthNotRequired = 3,
};

using TSocksErrorEvent =
    std::function<void(TCustomAsyncSocket& Sender, int Error, const std::string& Msg)>;
using TSocksAuthStateEvent =
    std::function<void(TCustomAsyncSocket& Sender, TSocksAuthState AuthState)>;

// The SOCKS client layer: with a SOCKS server set, Connect goes to that server, negotiates
// the connection to the real target (SOCKS 4, 4A or 5, optionally with a user code and
// password) and only then reports the connection as made. Without one it is transparent.
class TCustomSocksAsyncSocket : public TCustomAsyncSocket {
 public:
  using TCustomAsyncSocket::TCustomAsyncSocket;

  const std::string& SocksLevel() const { return socks_level_; }
  void SetSocksLevel(const std::string& value);
  const std::string& SocksServer() const { return socks_server_; }
  virtual void SetSocksServer(const std::string& value);
  const std::string& SocksPort() const { return socks_port_; }
  virtual void SetSocksPort(const std::string& value);
  std::string SocksUsercode;
  std::string SocksPassword;
  TSocksAuthentication SocksAuthentication = TSocksAuthentication::socksNoAuthentication;
  // The address and port the SOCKS 5 server bound for the connection.
  const std::string& SocksBoundAddr() const { return socks_bound_addr_; }
  const std::string& SocksBoundPort() const { return socks_bound_port_; }

  TSocksErrorEvent OnSocksError;
  TSessionConnected OnSocksConnected;
  TSocksAuthStateEvent OnSocksAuthState;

  void Connect() override;
  void Listen() override;

 protected:
  bool SocksNegotiating() const { return socks_state_ != kSocksIdle; }
  virtual void TriggerSocksConnected(std::uint16_t ErrCode);
  virtual void TriggerSocksError(int Error, const std::string& Msg);
  void AssignDefaultValues() override;
  int GetRcvdCount() override;
  bool TriggerDataAvailable(std::uint16_t Error) override;
  void TriggerSessionConnected(std::uint16_t Error) override;
  void TriggerSessionClosed(std::uint16_t Error) override;
  int DoRecv(void* Buffer, int BufferSize, int Flags) override;

 private:
  static constexpr int kSocksIdle = 0;
  static constexpr int kSocksConnecting = 1;  // to the SOCKS server, then its greeting
  static constexpr int kSocksAuthenticating = 2;
  static constexpr int kSocksWaitingReply = 3;  // to the connect request

  void HandleGreetingReply();
  void HandleAuthenticationReply();
  void HandleConnectReply4();
  void HandleConnectReply5();
  void SendConnectRequest();
  void SendBytes(const std::string& bytes);
  void SocksSucceeded(std::size_t reply_length);
  void SocksFailed(int Error, const std::string& Msg);
  void TriggerSocksAuthState(TSocksAuthState state);

  int socks_state_ = kSocksIdle;
  std::string socks_server_;
  bool socks_server_assigned_ = false;
  std::string socks_level_ = "5";
  std::string socks_port_;
  bool socks_port_assigned_ = false;
  std::uint8_t socks_auth_method_ = 0;
  std::string socks_reply_;  // bytes of the server's reply so far
  std::string socks_kept_;   // data that came with the last reply, read before the socket
  std::uint16_t socks_target_port_ = 0;  // host byte order
  in_addr_t socks_target_address_ = 0;   // level 4 only, network byte order
  std::string socks_bound_addr_;
  std::string socks_bound_port_;
};

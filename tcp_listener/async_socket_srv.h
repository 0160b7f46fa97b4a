#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tcp_listener/sync_socket.h"

class TCustomAsyncSocketServer;

// One connection accepted by a server. It greets the peer with its banner, keeps the peer's
// address and port for the whole of its life, and tells its server when it has closed.
class TAsyncSocketClient : public TAsyncSocket {
 public:
  explicit TAsyncSocketClient(TCustomAsyncSocketServer& Owner);

  std::string Banner;
  TCustomAsyncSocketServer& Server() const { return server_; }

  // Sends the banner and LineEnd (nothing when the banner is empty).
  virtual void StartConnection();
  void Dup(int NewHSocket) override;
  std::string GetPeerAddr() override { return peer_addr_; }
  std::string GetPeerPort() override { return peer_port_; }

 protected:
  void TriggerSessionClosed(std::uint16_t Error) override;
  void ReleaseRequested() override;

 private:
  friend class TCustomAsyncSocketServer;

  TCustomAsyncSocketServer& server_;
  int accept_number_ = 0;  // which connection of its server it is: 1, 2, ...
  std::string peer_addr_;
  std::string peer_port_;
  bool session_closed_notified_ = false;
};

using TClientClass =
    std::function<std::unique_ptr<TAsyncSocketClient>(TCustomAsyncSocketServer& Owner)>;
// The client class of a server: ClientClass = ClientClassOf<TListenerClient>().
template <class Client>
TClientClass ClientClassOf() {
  return [](TCustomAsyncSocketServer& Owner) { return std::make_unique<Client>(Owner); };
}

using TAsyncSocketClientCreateEvent =
    std::function<void(TCustomAsyncSocketServer& Sender, TAsyncSocketClient& Client)>;
using TAsyncSocketClientConnectEvent = std::function<void(
    TCustomAsyncSocketServer& Sender, TAsyncSocketClient& Client, std::uint16_t Error)>;

// A TCP server: it listens, accepts every connection into a new client of its client class,
// greets it with the banner line, keeps the list of live clients and, after the last line of
// a client that has gone has been delivered, tells its owner (OnClientDisconnect) and frees
// the client.
class TCustomAsyncSocketServer : public TAsyncSocket {
 public:
  explicit TCustomAsyncSocketServer(EventLoop& loop, std::string name = {},
                                    std::shared_ptr<WinSockBinding> binding = {});
  ~TCustomAsyncSocketServer() override;

  std::string Banner = "Welcome to TcpSrv";
  std::string BannerTooBusy = "Sorry, too many clients";
  TClientClass ClientClass = ClientClassOf<TAsyncSocketClient>();
  int MaxClients = 0;  // 0: no limit
  TAsyncSocketClientCreateEvent OnClientCreate;
  TAsyncSocketClientConnectEvent OnClientConnect;
  TAsyncSocketClientConnectEvent OnClientDisconnect;

  int ClientCount() { return GetClientCount(); }
  // The client at Index, nullptr outside 0..ClientCount()-1.
  TAsyncSocketClient* Client(int Index) { return GetClient(Index); }

 protected:
  virtual void TriggerClientCreate(TAsyncSocketClient& Client);
  virtual void TriggerClientConnect(TAsyncSocketClient& Client, std::uint16_t Error);
  virtual void TriggerClientDisconnect(TAsyncSocketClient& Client, std::uint16_t Error);
  virtual int GetClientCount();
  virtual TAsyncSocketClient* GetClient(int Index);
  void WndProc(TMessage& MsgRec) override;
  void TriggerSessionAvailable(std::uint16_t Error) override;

 private:
  friend class TAsyncSocketClient;
  // Posted by a client: it has closed, or asks to be freed.
  void ClientClosed(TAsyncSocketClient& Client, std::uint16_t Error);
  void ClientReleased(TAsyncSocketClient& Client);

  // Accept, keeping the listener alive when the connection has gone already or the process
  // is out of descriptors; INVALID_SOCKET when there is nothing to take now.
  int AcceptNext();
  void PauseAccepting();
  TAsyncSocketClient* FindClient(std::intptr_t accept_number);
  void FreeClient(TAsyncSocketClient* Client);
  void WMClientClosed(TMessage& MsgRec);

  std::vector<std::unique_ptr<TAsyncSocketClient>> client_list_;
  int client_num_ = 0;  // connections accepted since creation
  EventLoop::TimerId resume_timer_ = 0;
};

// The server as the main window holds it.
class TAsyncSocketServer : public TCustomAsyncSocketServer {
 public:
  using TCustomAsyncSocketServer::TCustomAsyncSocketServer;
};

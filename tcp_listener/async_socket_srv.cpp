#include "tcp_listener/async_socket_srv.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "tcp_listener/winsock_errors.h"

namespace {

// Out of descriptors, the server stops accepting for this long, then tries again.
constexpr std::chrono::milliseconds kAcceptPause(250);

// Accept failures after which the listener goes on: the connection went before it was
// taken, or the process ran out of descriptors or buffers for a moment.
bool ConnectionAlreadyGone(int error) {
  return error == WSAEWOULDBLOCK || error == WSAECONNRESET || error == WSAECONNABORTED ||
         error == WSAEINTR;
}
bool OutOfResources(int error) {
  return error == WSAEMFILE || error == WSAENOBUFS;
}

}  // namespace

// The client.

TAsyncSocketClient::TAsyncSocketClient(TCustomAsyncSocketServer& Owner)
    : TAsyncSocket(*Owner.Loop(), {}, Owner.SharedBinding()), server_(Owner) {}

void TAsyncSocketClient::StartConnection() {
  if (!Banner.empty()) SendStr(Banner + LineEnd);
}

void TAsyncSocketClient::Dup(int NewHSocket) {
  TAsyncSocket::Dup(NewHSocket);
  peer_addr_ = TAsyncSocket::GetPeerAddr();
  peer_port_ = TAsyncSocket::GetPeerPort();
}

void TAsyncSocketClient::TriggerSessionClosed(std::uint16_t Error) {
  if (!session_closed_notified_) {
    session_closed_notified_ = true;
    server_.ClientClosed(*this, Error);
  }
  TAsyncSocket::TriggerSessionClosed(Error);
}

void TAsyncSocketClient::ReleaseRequested() {
  server_.ClientReleased(*this);
}

// The server.

TCustomAsyncSocketServer::TCustomAsyncSocketServer(EventLoop& loop, std::string name,
                                                   std::shared_ptr<WinSockBinding> binding)
    : TAsyncSocket(loop, std::move(name), std::move(binding)) {}

TCustomAsyncSocketServer::~TCustomAsyncSocketServer() {
  if (resume_timer_ != 0 && Loop() != nullptr) Loop()->StopTimer(resume_timer_);
  while (!client_list_.empty()) {
    std::unique_ptr<TAsyncSocketClient> last = std::move(client_list_.back());
    client_list_.pop_back();
    try {
      last.reset();
    } catch (...) {
    }
  }
}

void TCustomAsyncSocketServer::TriggerClientCreate(TAsyncSocketClient& Client) {
  if (OnClientCreate) OnClientCreate(*this, Client);
}

void TCustomAsyncSocketServer::TriggerClientConnect(TAsyncSocketClient& Client,
                                                    std::uint16_t Error) {
  if (OnClientConnect) OnClientConnect(*this, Client, Error);
}

void TCustomAsyncSocketServer::TriggerClientDisconnect(TAsyncSocketClient& Client,
                                                       std::uint16_t Error) {
  if (OnClientDisconnect) OnClientDisconnect(*this, Client, Error);
}

int TCustomAsyncSocketServer::GetClientCount() {
  return static_cast<int>(client_list_.size());
}

TAsyncSocketClient* TCustomAsyncSocketServer::GetClient(int Index) {
  if (Index < 0 || Index >= GetClientCount()) return nullptr;
  return client_list_[static_cast<std::size_t>(Index)].get();
}

TAsyncSocketClient* TCustomAsyncSocketServer::FindClient(std::intptr_t accept_number) {
  for (const auto& client : client_list_) {
    if (client->accept_number_ == accept_number) return client.get();
  }
  return nullptr;
}

void TCustomAsyncSocketServer::FreeClient(TAsyncSocketClient* Client) {
  const auto found = std::find_if(client_list_.begin(), client_list_.end(),
                                  [Client](const auto& held) { return held.get() == Client; });
  if (found == client_list_.end()) return;
  std::unique_ptr<TAsyncSocketClient> freed = std::move(*found);
  client_list_.erase(found);
}

void TCustomAsyncSocketServer::ClientClosed(TAsyncSocketClient& Client, std::uint16_t Error) {
  PostToWindow(WM_CLIENT_CLOSED, Error, Client.accept_number_);
}

void TCustomAsyncSocketServer::ClientReleased(TAsyncSocketClient& Client) {
  PostToWindow(WM_ASYNCSOCKET_RELEASE, 0, Client.accept_number_);
}

void TCustomAsyncSocketServer::WndProc(TMessage& MsgRec) {
  if (MsgRec.Msg == WM_ASYNCSOCKET_RELEASE && MsgRec.LParam != 0) {
    FreeClient(FindClient(MsgRec.LParam));
    return;
  }
  if (MsgRec.Msg != WM_CLIENT_CLOSED) return TAsyncSocket::WndProc(MsgRec);
  try {
    WMClientClosed(MsgRec);
  } catch (const std::exception& error) {
    HandleBackgroundException(error);
  }
}

void TCustomAsyncSocketServer::WMClientClosed(TMessage& MsgRec) {
  TAsyncSocketClient* client = FindClient(MsgRec.LParam);
  if (client == nullptr) return;
  // The client goes even when the owner's handler fails; the failure is reported after.
  try {
    TriggerClientDisconnect(*client, static_cast<std::uint16_t>(MsgRec.WParam));
  } catch (...) {
    FreeClient(client);
    throw;
  }
  FreeClient(client);
}

int TCustomAsyncSocketServer::AcceptNext() {
  try {
    return Accept();
  } catch (const ESocketException&) {
    if (ConnectionAlreadyGone(LastError)) return INVALID_SOCKET;
    if (OutOfResources(LastError)) {
      PauseAccepting();
      return INVALID_SOCKET;
    }
    throw;
  }
}

void TCustomAsyncSocketServer::PauseAccepting() {
  Pause();
  if (resume_timer_ != 0 || Loop() == nullptr) return;
  resume_timer_ = Loop()->StartTimer(kAcceptPause, [this] {
    Loop()->StopTimer(resume_timer_);
    resume_timer_ = 0;
    Resume();
  });
}

void TCustomAsyncSocketServer::TriggerSessionAvailable(std::uint16_t Error) {
  TAsyncSocket::TriggerSessionAvailable(Error);
  if (Error != 0) return;
  const int handle = AcceptNext();
  if (handle == INVALID_SOCKET) return;

  ++client_num_;
  client_list_.push_back(ClientClass(*this));
  TAsyncSocketClient* client = client_list_.back().get();
  client->accept_number_ = client_num_;
  TriggerClientCreate(*client);
  client->Name = Name + "Client" + std::to_string(client_num_);
  client->Banner = Banner;
  client->SetSockLogger(SockLogger());
  try {
    client->Dup(handle);
  } catch (const ESocketException&) {
    // The peer went between the accept and the set-up; the listener carries on.
    FreeClient(client);
    return;
  }
  TriggerClientConnect(*client, Error);
  if (FindClient(client_num_) == nullptr || client->State() != TSocketState::wsConnected) {
    return;
  }
  if (MaxClients > 0 && MaxClients < GetClientCount()) {
    client->Banner = BannerTooBusy;
    client->StartConnection();
    client->Close();
  } else {
    client->StartConnection();
  }
}

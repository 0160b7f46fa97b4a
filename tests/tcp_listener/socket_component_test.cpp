// The socket component itself: its published properties, the binding's start and clean-up,
// the send buffer, closing, and the notifications of a socket it no longer holds.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tcp_listener/async_socket_srv.h"
#include "tcp_listener/listener_client.h"
#include "tests/support/test_world.h"
#include "tests/tcp_listener/loopback.h"

namespace {

// A component connected to a plain socket that the test holds as the other end.
struct ConnectedPair {
  explicit ConnectedPair(EventLoop& loop) : socket(loop, "Socket") {
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(holder.Port()));
    socket.OnSessionConnected = [this](TCustomAsyncSocket&, std::uint16_t error) {
      connected_error = error;
    };
    socket.OnSessionClosed = [this](TCustomAsyncSocket&, std::uint16_t error) {
      closed.push_back(error);
    };
    socket.Connect();
    other_end = holder.AcceptOne();
    RunUntil(loop, [this] { return connected_error >= 0; });
  }
  ~ConnectedPair() {
    if (other_end >= 0) ::close(other_end);
  }

  PortHolder holder;
  TAsyncSocket socket;
  int other_end = -1;
  int connected_error = -1;
  std::vector<std::uint16_t> closed;
};

}  // namespace

// The main window's server as it is stored: told only where to listen, it greets every client
// with its banner, takes any number of them, hands their bytes on as they come (no line mode)
// and leaves a closed client's peer with a reset rather than a lingering close.
TEST(SocketComponent, TheMainWindowsServerWorksWithItsStoredSettings) {
  TestWorld world;
  EventLoop& loop = world.platform->Loop();
  TAsyncSocketServer& server = world.form->SocketServer;
  EXPECT_EQ(server.Name, "SocketServer");
  EXPECT_EQ(server.State(), TSocketState::wsClosed);
  std::vector<std::string> received;
  server.OnClientConnect = [&](TCustomAsyncSocketServer&, TAsyncSocketClient& client,
                               std::uint16_t) {
    client.OnDataAvailable = [&](TCustomAsyncSocket& sender, std::uint16_t) {
      received.push_back(sender.ReceiveStr());
    };
  };
  server.SetPort("0");
  server.SetAddr("127.0.0.1");
  server.Listen();
  const int port = std::stoi(server.GetBoundPort());

  std::vector<std::unique_ptr<LoopbackPeer>> peers;
  for (int i = 0; i < 3; ++i) peers.push_back(std::make_unique<LoopbackPeer>(port));
  ASSERT_TRUE(RunUntil(loop, [&] { return server.ClientCount() == 3; }));
  for (const auto& peer : peers) EXPECT_EQ(peer->Receive(kBanner.size()), kBanner);

  peers[0]->Send("no line end");
  ASSERT_TRUE(RunUntil(loop, [&] { return !received.empty(); }));
  EXPECT_EQ(received, std::vector<std::string>{"no line end"});

  server.Client(0)->Close();
  EXPECT_EQ(peers[0]->ReceiveError(), ECONNRESET);
}

TEST(SocketComponent, SettingsChangeOnlyWhileClosed) {
  ListeningServer listening;
  TAsyncSocketServer& server = listening.server;
  const std::string port = server.Port();
  server.SetPort(port);  // the same value: nothing to change
  const struct {
    const char* expected;
    std::function<void()> change;
  } cases[] = {
      {"Cannot change Port if not closed", [&] { server.SetPort("2003"); }},
      {"Cannot change Addr if not closed", [&] { server.SetAddr("127.0.0.2"); }},
      {"Cannot change Proto if not closed", [&] { server.SetProto("udp"); }},
      {"Cannot change LocalAddr if not closed", [&] { server.SetLocalAddr("127.0.0.1"); }},
      {"Cannot change LocalPort if not closed", [&] { server.SetLocalPort("1"); }},
      {"Can't change socks level if not closed", [&] { server.SetSocksLevel("4"); }},
      {"Can't change socks server if not closed", [&] { server.SetSocksServer("proxy"); }},
  };
  for (const auto& row : cases) EXPECT_EQ(MessageOf(row.change), row.expected);
  EXPECT_EQ(server.Port(), port);

  TAsyncSocket closed(listening.loop);
  closed.SetSocksLevel("4a");
  EXPECT_EQ(closed.SocksLevel(), "4A");
  EXPECT_EQ(MessageOf([&] { closed.SetSocksLevel("6"); }),
            "Invalid socks level. Must be 4, 4A or 5.");
  closed.SetLocalAddr("");
  EXPECT_EQ(closed.LocalAddr(), "0.0.0.0");
}

TEST(SocketComponent, StartsTheLibraryOnceAndCleansUpWithTheLastComponent) {
  EventLoop loop;
  auto binding = std::make_shared<WinSockBinding>();
  {
    TAsyncSocket first(loop, "First", binding);
    first.SetReqVerLow(2);  // may change before the first call
    EXPECT_FALSE(binding->Loaded());
    first.SetAddr("127.0.0.1");
    first.SetPort("0");
    first.Listen();
    TAsyncSocket second(loop, "Second", binding);
    second.SetAddr("127.0.0.1");
    second.SetPort("0");
    second.Listen();
    EXPECT_EQ(binding->StartupCount(), 1);
    EXPECT_EQ(binding->StartedVersion(), 0x0102);
    second.SetReqVerHigh(1);  // the same value
    EXPECT_EQ(MessageOf([&] { second.SetReqVerHigh(2); }).substr(0, 8), "Error 0 ");
    EXPECT_NE(MessageOf([&] {
                second.SetReqVerHigh(2);
              }).find("in function SetReqVerHigh: WinSock version can't be changed now"),
              std::string::npos);
  }
  EXPECT_FALSE(binding->Loaded());
  EXPECT_EQ(binding->CleanupCount(), 1);

  TAsyncSocket third(loop, "Third", binding);
  third.SetAddr("127.0.0.1");
  third.SetPort("0");
  third.Listen();
  EXPECT_EQ(binding->StartupCount(), 2);
}

TEST(SocketComponent, QueuesDataInChunksOf1460) {
  EventLoop loop;
  TAsyncSocket socket(loop);
  const std::string data(3000, 'd');
  socket.PutDataInSendBuffer(data.data(), static_cast<int>(data.size()));
  EXPECT_EQ(socket.BufferedByteCount(), 3000);
  EXPECT_FALSE(socket.AllSent());
  std::vector<int> chunks;
  for (const auto& chunk : socket.SendBuffer()) chunks.push_back(chunk->WriteCount());
  EXPECT_EQ(chunks, (std::vector<int>{1460, 1460, 80}));
}

TEST(SocketComponent, SendingWhileNotConnectedIsRefusedWithWinSocksNotConnected) {
  EventLoop loop;
  TAsyncSocket socket(loop);
  EXPECT_EQ(MessageOf([&] { socket.SendStr("x"); }),
            "Error 10057 in function Send\r\nSocket is not connected");
  EXPECT_EQ(socket.SendStr(""), 0);
  int errors = 0;
  socket.OnError = [&](TCustomAsyncSocket&) { ++errors; };
  EXPECT_EQ(socket.SendStr("x"), -1);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(socket.BufferedByteCount(), 0);
}

TEST(SocketComponent, WhatTheSocketCannotTakeAtOnceFollowsWhenItCan) {
  EventLoop loop;
  ConnectedPair pair(loop);
  ASSERT_EQ(pair.connected_error, 0);
  int data_sent = 0;
  pair.socket.OnDataSent = [&](TCustomAsyncSocket&, std::uint16_t) { ++data_sent; };

  std::string data(8 * 1024 * 1024, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 4096);
  pair.socket.Send(data.data(), static_cast<int>(data.size()));
  ASSERT_GT(pair.socket.BufferedByteCount(), 0) << "the socket took 8 MB at once";

  std::string received;
  std::thread reader([&] {
    char block[65536];
    while (received.size() < data.size()) {
      const ssize_t got = ::recv(pair.other_end, block, sizeof block, 0);
      if (got <= 0) break;
      received.append(block, static_cast<std::size_t>(got));
    }
  });
  const bool all_sent = RunUntil(loop, [&] { return pair.socket.AllSent() && data_sent > 0; });
  reader.join();
  EXPECT_TRUE(all_sent);
  EXPECT_EQ(pair.socket.BufferedByteCount(), 0);
  EXPECT_TRUE(received == data);
}

TEST(SocketComponent, ASendToAPeerThatHasGoneClosesOnceWithoutAnException) {
  EventLoop loop;
  ConnectedPair pair(loop);
  ASSERT_EQ(pair.connected_error, 0);
  const linger abortive{1, 0};
  ::setsockopt(pair.other_end, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
  ::close(pair.other_end);
  pair.other_end = -1;
  pollfd reset{pair.socket.HSocket(), POLLIN, 0};
  ASSERT_EQ(::poll(&reset, 1, 2000), 1);

  EXPECT_NO_THROW(pair.socket.SendStr("anyone there?"));
  RunAWhile(loop);
  EXPECT_EQ(pair.closed, std::vector<std::uint16_t>{10054});
  EXPECT_EQ(pair.socket.State(), TSocketState::wsClosed);
}

TEST(SocketComponent, CloseReportsTheEndOnceAndOnlyForAnOpenConnection) {
  EventLoop loop;
  ConnectedPair pair(loop);
  ASSERT_EQ(pair.connected_error, 0);
  pair.socket.Close();
  pair.socket.Close();
  RunAWhile(loop);
  EXPECT_EQ(pair.closed, std::vector<std::uint16_t>{0});

  TAsyncSocket never_opened(loop);
  int closed = 0;
  never_opened.OnSessionClosed = [&](TCustomAsyncSocket&, std::uint16_t) { ++closed; };
  never_opened.Close();
  EXPECT_EQ(closed, 0);
}

TEST(SocketComponent, NotificationsOfASocketItNoLongerHoldsAreDropped) {
  EventLoop loop;
  ConnectedPair pair(loop);
  ASSERT_EQ(pair.connected_error, 0);
  int data_sent = 0;
  pair.socket.OnDataSent = [&](TCustomAsyncSocket&, std::uint16_t) { ++data_sent; };
  // The send posts a write notification for this socket, to come from the loop.
  pair.socket.SendStr("x");
  const int old_descriptor = pair.socket.HSocket();
  pair.socket.Close();

  // The next socket made gets the same descriptor number at once.
  const int successor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_EQ(successor, old_descriptor);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(pair.holder.Port()));
  ASSERT_EQ(::connect(successor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  pair.socket.Dup(successor);
  const int accepted = pair.holder.AcceptOne();

  RunAWhile(loop);
  EXPECT_EQ(data_sent, 0);
  ::close(accepted);
}

TEST(SocketComponent, AHandlerFailureAbortsTheServerUnlessTheOwnerKeepsIt) {
  for (const bool keep : {false, true}) {
    ListeningServer listening;
    int background_failures = 0;
    if (keep) {
      listening.server.OnBgException = [&](TCustomAsyncSocket&, const std::exception&,
                                           bool& can_close) {
        ++background_failures;
        can_close = false;
      };
    }
    listening.server.OnClientConnect = [](TCustomAsyncSocketServer&, TAsyncSocketClient&,
                                          std::uint16_t) { throw ProgramError("handler failed"); };
    LoopbackPeer peer(listening.port);
    ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
    EXPECT_EQ(listening.server.State(), keep ? TSocketState::wsListening : TSocketState::wsClosed);
    EXPECT_EQ(background_failures, keep ? 1 : 0);
  }
}

TEST(SocketComponent, AClientIsFreedEvenWhenTheDisconnectHandlerFails) {
  ListeningServer listening;
  listening.server.OnClientDisconnect = [](TCustomAsyncSocketServer&, TAsyncSocketClient&,
                                           std::uint16_t) { throw ProgramError("handler failed"); };
  {
    LoopbackPeer peer(listening.port);
    ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  }
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 0; }));
  // As for any failing handler of the server, it stops listening.
  EXPECT_EQ(listening.server.State(), TSocketState::wsClosed);
}

TEST(SocketComponent, AReleasedClientIsFreedByItsServer) {
  ListeningServer listening;
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  listening.server.Client(0)->Release();
  EXPECT_EQ(listening.server.ClientCount(), 1);  // not while its event runs
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 0; }));
  EXPECT_EQ(listening.disconnects, 0);
}

TEST(SocketComponent, AHandlerThatDoesNotReadItsLineGetsEachLineOnce) {
  ListeningServer listening;
  int calls = 0;
  listening.server.OnClientConnect = [&](TCustomAsyncSocketServer&, TAsyncSocketClient& client,
                                         std::uint16_t) {
    client.SetLineMode(true);
    client.OnDataAvailable = [&](TCustomAsyncSocket&, std::uint16_t) { ++calls; };
  };
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  peer.Send("one\r\ntwo\r\n");
  ASSERT_TRUE(listening.RunUntil([&] { return calls >= 2; }));
  RunAWhile(listening.loop);
  EXPECT_EQ(calls, 2);
}

TEST(SocketComponent, LinesWaitingWhenLineModeComesBackAreDeliveredFromTheLoop) {
  ListeningServer listening;
  TAsyncSocketClient* client = nullptr;
  std::vector<std::string> lines;
  listening.server.OnClientConnect = [&](TCustomAsyncSocketServer&, TAsyncSocketClient& accepted,
                                         std::uint16_t) {
    client = &accepted;
    accepted.SetLineMode(true);
    accepted.OnDataAvailable = [&](TCustomAsyncSocket& sender, std::uint16_t) {
      if (!client->LineMode()) return;  // raw bytes wait
      lines.push_back(sender.ReceiveStr());
      client->SetLineMode(false);
    };
  };
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return client != nullptr; }));
  peer.Send("one\r\ntwo\r\nthree");
  ASSERT_TRUE(listening.RunUntil([&] { return lines.size() == 1; }));
  EXPECT_EQ(client->ReceivedLines().Pending(), "two\r\nthree");

  client->SetLineMode(true);
  ASSERT_TRUE(listening.RunUntil([&] { return lines.size() == 2; }));
  EXPECT_EQ(lines, (std::vector<std::string>{"one\r\n", "two\r\n"}));
}

TEST(SendBufferChunk, TakesWhatFitsAndReusesItselfOnceSent) {
  TBuffer chunk(4);
  EXPECT_EQ(chunk.Write("abcdef", 6), 4);
  EXPECT_EQ(chunk.Write("g", 1), 0);
  int len = 0;
  const char* unsent = chunk.Peek(len);
  EXPECT_EQ(std::string(unsent, len), "abcd");
  EXPECT_EQ(chunk.Remove(3), 3);
  unsent = chunk.Peek(len);
  EXPECT_EQ(std::string(unsent, len), "d");
  chunk.SetBufSize(8);  // the unsent byte stays
  unsent = chunk.Peek(len);
  EXPECT_EQ(std::string(unsent, len), "d");
  EXPECT_EQ(chunk.Remove(5), 1);
  EXPECT_EQ(chunk.Peek(len), nullptr);
  EXPECT_EQ(len, 0);
  EXPECT_EQ(chunk.WriteCount(), 0);
  EXPECT_EQ(TBuffer(0).BufSize(), TBuffer::kDefaultSize);
}

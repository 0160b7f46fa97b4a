// What the socket component offers beyond listening: outgoing connections, host look-ups,
// SOCKS, datagrams, the wait layer, moving to another thread, keep-alive and the logger.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tcp_listener/async_socket_srv.h"
#include "tcp_listener/sock_logger.h"
#include "tests/support/test_world.h"
#include "tests/tcp_listener/loopback.h"

namespace {

// A port nobody listens on.
int ClosedPort() {
  PortHolder holder;
  return holder.Port();
}

// A line-mode client socket that writes down its lines and connection events.
struct LineClient {
  explicit LineClient(EventLoop& loop) : socket(loop, "Client") {
    socket.SetLineMode(true);
    socket.OnSessionConnected = [this](TCustomAsyncSocket&, std::uint16_t error) {
      connected.push_back(error);
    };
    socket.OnDataAvailable = [this](TCustomAsyncSocket& sender, std::uint16_t) {
      lines.push_back(sender.ReceiveStr());
    };
  }
  TAsyncSocket socket;
  std::vector<std::uint16_t> connected;
  std::vector<std::string> lines;
};

// A SOCKS server that follows a script: for each step it reads the bytes it expects (writing
// down what it got) and answers.
class ScriptedSocksServer {
 public:
  struct Step {
    std::string expect;
    std::string reply;
  };
  explicit ScriptedSocksServer(std::vector<Step> steps) : steps_(std::move(steps)) {
    thread_ = std::thread([this] {
      connection_ = holder_.AcceptOne();
      if (connection_ < 0) return;
      timeval limit{2, 0};
      ::setsockopt(connection_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
      for (const Step& step : steps_) {
        std::string got(step.expect.size(), '\0');
        std::size_t have = 0;
        while (have < got.size()) {
          const ssize_t count = ::recv(connection_, got.data() + have, got.size() - have, 0);
          if (count <= 0) break;
          have += static_cast<std::size_t>(count);
        }
        received_.push_back(got.substr(0, have));
        ::send(connection_, step.reply.data(), step.reply.size(), MSG_NOSIGNAL);
      }
    });
  }
  ~ScriptedSocksServer() {
    thread_.join();
    if (connection_ >= 0) ::close(connection_);
  }
  int Port() const { return holder_.Port(); }
  // What the client sent, step by step; complete once the client has its last reply.
  const std::vector<std::string>& Received() {
    thread_.join();
    thread_ = std::thread([] {});
    return received_;
  }

 private:
  std::vector<Step> steps_;
  PortHolder holder_;
  std::thread thread_;
  int connection_ = -1;
  std::vector<std::string> received_;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

}  // namespace

TEST(SocketFacilities, ConnectsOutToTheListenerAndTalksInLines) {
  ListeningServer listening;
  LineClient client(listening.loop);
  client.socket.SetAddr("127.0.0.1");
  client.socket.SetPort(std::to_string(listening.port));
  client.socket.Connect();
  EXPECT_EQ(client.socket.State(), TSocketState::wsConnecting);
  ASSERT_TRUE(RunUntil(listening.loop, [&] { return !client.lines.empty(); }));
  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{0});
  EXPECT_EQ(client.lines, std::vector<std::string>{"Welcome to TcpSrv\r\n"});

  EXPECT_EQ(client.socket.SendLine("mission7"), 10);
  ASSERT_TRUE(RunUntil(listening.loop, [&] { return !listening.lines.empty(); }));
  EXPECT_EQ(listening.lines.front().text, "mission7\r\n");
  EXPECT_EQ(MessageOf([&] { client.socket.Connect(); }), "Connect: Socket already in use");
}

TEST(SocketFacilities, AConnectionRefusedIsReportedAndClosed) {
  EventLoop loop;
  LineClient client(loop);
  client.socket.SetAddr("127.0.0.1");
  client.socket.SetPort(std::to_string(ClosedPort()));
  try {
    client.socket.Connect();
  } catch (const ESocketException& error) {
    // Refused at once: reported as the failed call.
    EXPECT_STREQ(error.what(), "Error 10061 in function Connect\r\nConnection refused");
    return;
  }
  ASSERT_TRUE(RunUntil(loop, [&] { return !client.connected.empty(); }));
  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{10061});
  EXPECT_EQ(client.socket.State(), TSocketState::wsClosed);
}

TEST(SocketFacilities, ConnectNamesWhatIsMissing) {
  EventLoop loop;
  TAsyncSocket socket(loop);
  EXPECT_EQ(MessageOf([&] { socket.Connect(); }), "Connect: No Port Specified");
  socket.SetPort("1");
  EXPECT_EQ(MessageOf([&] { socket.Connect(); }), "Connect: No IP Address Specified");
  socket.SetAddr("127.0.0.1");
  socket.SetProto("");
  EXPECT_EQ(MessageOf([&] { socket.Connect(); }), "Connect: No Protocol Specified");
}

TEST(SocketFacilities, CustomKeepAliveSetsTheTcpTimesInSeconds) {
  ListeningServer listening;
  TAsyncSocket socket(listening.loop);
  socket.SetAddr("127.0.0.1");
  socket.SetPort(std::to_string(listening.port));
  socket.KeepAliveOnOff = TSocketKeepAliveOnOff::wsKeepAliveOnCustom;
  socket.KeepAliveTime = 5000;
  socket.KeepAliveInterval = 2000;
  socket.Connect();
  int idle = 0;
  int interval = 0;
  socklen_t length = sizeof idle;
  ::getsockopt(socket.HSocket(), IPPROTO_TCP, TCP_KEEPIDLE, &idle, &length);
  ::getsockopt(socket.HSocket(), IPPROTO_TCP, TCP_KEEPINTVL, &interval, &length);
  EXPECT_EQ(idle, 5);
  EXPECT_EQ(interval, 2);
}

TEST(SocketFacilities, LooksHostsUpInTheBackgroundAndAnswersOnTheLoop) {
  EventLoop loop;
  TAsyncSocket socket(loop);
  std::vector<std::uint16_t> done;
  socket.OnDnsLookupDone = [&](TCustomAsyncSocket&, std::uint16_t error) { done.push_back(error); };

  socket.DnsLookup("localhost");
  EXPECT_TRUE(done.empty());
  ASSERT_TRUE(RunUntil(loop, [&] { return !done.empty(); }));
  EXPECT_EQ(done, std::vector<std::uint16_t>{0});
  EXPECT_EQ(socket.DnsResult(), "127.0.0.1");

  done.clear();
  socket.DnsLookup("10.1.2.3");  // an address is its own answer, at once
  EXPECT_EQ(done, std::vector<std::uint16_t>{0});
  EXPECT_EQ(socket.DnsResult(), "10.1.2.3");

  done.clear();
  socket.ReverseDnsLookup("127.0.0.1");
  ASSERT_TRUE(RunUntil(loop, [&] { return !done.empty(); }));
  EXPECT_EQ(socket.DnsResult(), "localhost");

  done.clear();
  socket.ReverseDnsLookupSync("127.0.0.1");
  EXPECT_EQ(done, std::vector<std::uint16_t>{0});
  EXPECT_EQ(socket.DnsResultList().front(), "localhost");

  done.clear();
  socket.DnsLookup("localhost");
  socket.CancelDnsLookup();
  for (int i = 0; i < 20; ++i) loop.RunOnce(std::chrono::milliseconds(5));
  EXPECT_EQ(done, std::vector<std::uint16_t>{10004});

  EXPECT_EQ(MessageOf([&] { socket.DnsLookup(""); }), "DNS lookup: invalid host name.");
  EXPECT_EQ(MessageOf([&] { socket.ReverseDnsLookup(""); }),
            "ReverseDnsLookup: Invalid host name.");
}

TEST(SocketFacilities, NegotiatesASocks5ConnectionAndHandsOnWhatCameWithTheReply) {
  ScriptedSocksServer socks({
      {Bytes({5, 1, 0}), Bytes({5, 0})},
      {Bytes({5, 1, 0, 3, 14}) + "target.example" + Bytes({0x07, 0xD2}),
       Bytes({5, 0, 0, 1, 10, 0, 0, 7, 0x1F, 0x90}) + "hello\r\n"},
  });
  EventLoop loop;
  LineClient client(loop);
  client.socket.SetSocksServer("127.0.0.1");
  client.socket.SetSocksPort(std::to_string(socks.Port()));
  client.socket.SetAddr("target.example");
  client.socket.SetPort("2002");
  client.socket.Connect();
  ASSERT_TRUE(RunUntil(loop, [&] { return !client.lines.empty(); }));

  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{0});
  EXPECT_EQ(client.socket.State(), TSocketState::wsConnected);
  EXPECT_EQ(client.socket.SocksBoundAddr(), "10.0.0.7");
  EXPECT_EQ(client.socket.SocksBoundPort(), "8080");
  EXPECT_EQ(client.lines, std::vector<std::string>{"hello\r\n"});
  EXPECT_EQ(socks.Received()[1], Bytes({5, 1, 0, 3, 14}) + "target.example" + Bytes({7, 0xD2}));
}

TEST(SocketFacilities, AuthenticatesWithAUserCodeWhenTheSocksServerAsks) {
  ScriptedSocksServer socks({
      {Bytes({5, 1, 2}), Bytes({5, 2})},
      {Bytes({1, 4}) + "user" + Bytes({6}) + "secret", Bytes({1, 0})},
      {Bytes({5, 1, 0, 3, 9}) + "127.0.0.1" + Bytes({0, 80}),
       Bytes({5, 0, 0, 3, 4}) + "host" + Bytes({0, 81})},
  });
  EventLoop loop;
  LineClient client(loop);
  std::vector<TSocksAuthState> states;
  client.socket.OnSocksAuthState = [&](TCustomAsyncSocket&, TSocksAuthState state) {
    states.push_back(state);
  };
  client.socket.SocksAuthentication = TSocksAuthentication::socksAuthenticateUsercode;
  client.socket.SocksUsercode = "user";
  client.socket.SocksPassword = "secret";
  client.socket.SetSocksServer("127.0.0.1");
  client.socket.SetSocksPort(std::to_string(socks.Port()));
  client.socket.SetAddr("127.0.0.1");
  client.socket.SetPort("80");
  client.socket.Connect();
  ASSERT_TRUE(RunUntil(loop, [&] { return !client.connected.empty(); }));
  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{0});
  EXPECT_EQ(states, (std::vector<TSocksAuthState>{TSocksAuthState::socksAuthStart,
                                                  TSocksAuthState::socksAuthSuccess}));
  EXPECT_EQ(client.socket.SocksBoundAddr(), "host");
  EXPECT_EQ(client.socket.SocksBoundPort(), "81");
  EXPECT_EQ(socks.Received()[1], Bytes({1, 4}) + "user" + Bytes({6}) + "secret");
}

TEST(SocketFacilities, ASocks4aRequestNamesTheTargetAfterTheUserCode) {
  ScriptedSocksServer socks({
      {Bytes({4, 1, 0x07, 0xD2, 0, 0, 0, 1}) + "pilot" + Bytes({0}) + "target.example" + Bytes({0}),
       Bytes({0, 90, 0, 0, 0, 0, 0, 0})},
  });
  EventLoop loop;
  LineClient client(loop);
  client.socket.SetSocksLevel("4A");
  client.socket.SocksUsercode = "pilot";
  client.socket.SetSocksServer("127.0.0.1");
  client.socket.SetSocksPort(std::to_string(socks.Port()));
  client.socket.SetAddr("target.example");
  client.socket.SetPort("2002");
  client.socket.Connect();
  ASSERT_TRUE(RunUntil(loop, [&] { return !client.connected.empty(); }));
  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{0});
  EXPECT_EQ(socks.Received()[0], Bytes({4, 1, 0x07, 0xD2, 0, 0, 0, 1}) + "pilot" + Bytes({0}) +
                                     "target.example" + Bytes({0}));
}

TEST(SocketFacilities, ARefusalOfTheSocksServerIsReportedAndCloses) {
  ScriptedSocksServer socks({
      {Bytes({5, 1, 0}), Bytes({5, 0})},
      {Bytes({5, 1, 0, 3, 4}) + "nope" + Bytes({0, 1}), Bytes({5, 5, 0, 1, 0, 0, 0, 0, 0, 0})},
  });
  EventLoop loop;
  LineClient client(loop);
  std::vector<std::string> errors;
  client.socket.OnSocksError = [&](TCustomAsyncSocket&, int error, const std::string& text) {
    errors.push_back(std::to_string(error) + " " + text);
  };
  client.socket.SetSocksServer("127.0.0.1");
  client.socket.SetSocksPort(std::to_string(socks.Port()));
  client.socket.SetAddr("nope");
  client.socket.SetPort("1");
  client.socket.Connect();
  ASSERT_TRUE(RunUntil(loop, [&] { return !client.connected.empty(); }));
  EXPECT_EQ(errors, std::vector<std::string>{"20008 connection refused"});
  EXPECT_EQ(client.connected, std::vector<std::uint16_t>{20008});
  EXPECT_EQ(client.socket.State(), TSocketState::wsClosed);
  socks.Received();

  TAsyncSocket listener(loop);
  listener.SetSocksServer("127.0.0.1");
  EXPECT_EQ(MessageOf([&] { listener.Listen(); }), "Listening is not supported thru socks server");
}

// Each way a SOCKS 4 server turns a request down is reported with its own error, and the
// socket is closed.
TEST(SocketFacilities, TheRefusalsOfASocks4ServerAreReportedEachByItsCode) {
  const struct {
    unsigned char reply_code;
    const char* reported;
  } cases[] = {
      {91, "20016 request rejected or failed"},
      {92, "20008 connection refused"},
      {93, "20015 authentification failed"},
      {99, "20012 unassigned error #99"},
  };
  for (const auto& c : cases) {
    ScriptedSocksServer socks({
        {Bytes({4, 1, 0, 80, 127, 0, 0, 1}) + "pilot" + Bytes({0}),
         Bytes({0, c.reply_code, 0, 0, 0, 0, 0, 0})},
    });
    EventLoop loop;
    LineClient client(loop);
    std::vector<std::string> errors;
    client.socket.OnSocksError = [&](TCustomAsyncSocket&, int error, const std::string& text) {
      errors.push_back(std::to_string(error) + " " + text);
    };
    client.socket.SetSocksLevel("4");
    client.socket.SocksUsercode = "pilot";
    client.socket.SetSocksServer("127.0.0.1");
    client.socket.SetSocksPort(std::to_string(socks.Port()));
    client.socket.SetAddr("127.0.0.1");
    client.socket.SetPort("80");
    client.socket.Connect();
    ASSERT_TRUE(RunUntil(loop, [&] { return !client.connected.empty(); })) << c.reported;
    ASSERT_EQ(errors.size(), 1u) << c.reported;
    EXPECT_EQ(errors[0], c.reported);
    EXPECT_NE(client.connected[0], 0);
    EXPECT_EQ(client.socket.State(), TSocketState::wsClosed);
    socks.Received();
  }
}

TEST(SocketFacilities, ListensForDatagramsAndSendsThem) {
  EventLoop loop;
  TAsyncSocket receiver(loop, "Receiver");
  std::vector<std::uint16_t> connected;
  std::vector<std::string> datagrams;
  receiver.OnSessionConnected = [&](TCustomAsyncSocket&, std::uint16_t error) {
    connected.push_back(error);
  };
  receiver.OnDataAvailable = [&](TCustomAsyncSocket& sender, std::uint16_t) {
    char block[64];
    sockaddr_in from{};
    const int count = sender.ReceiveFrom(block, sizeof block, from);
    if (count > 0) datagrams.emplace_back(block, static_cast<std::size_t>(count));
  };
  receiver.SetProto("udp");
  receiver.SetAddr("127.0.0.1");
  receiver.SetPort("0");
  receiver.Listen();
  EXPECT_EQ(receiver.State(), TSocketState::wsConnected);
  EXPECT_EQ(connected, std::vector<std::uint16_t>{0});

  TAsyncSocket sender(loop, "Sender");
  sender.SetProto("udp");
  sender.SetAddr("127.0.0.1");
  sender.SetPort(receiver.GetBoundPort());
  sender.Connect();
  EXPECT_EQ(sender.State(), TSocketState::wsConnected);
  sender.SendStr("first");
  sender.SendStr("second");
  ASSERT_TRUE(RunUntil(loop, [&] { return datagrams.size() == 2; }));
  EXPECT_EQ(datagrams, (std::vector<std::string>{"first", "second"}));
}

TEST(SocketFacilities, WaitsUntilDoneOrGivesUp) {
  ListeningServer listening;
  TAsyncSocket socket(listening.loop);
  bool done = false;
  socket.Timeout = 30;
  EXPECT_EQ(socket.WaitUntilReady(done), TCustomSyncAsyncSocket::kWaitGaveUp);

  socket.Timeout = 3000;
  socket.OnSessionConnected = [&](TCustomAsyncSocket&, std::uint16_t) { done = true; };
  socket.SetAddr("127.0.0.1");
  socket.SetPort(std::to_string(listening.port));
  EXPECT_EQ(socket.Synchronize([&] { socket.Connect(); }, done), 0);
  EXPECT_EQ(socket.State(), TSocketState::wsConnected);
}

TEST(SocketFacilities, MovesToTheEventLoopOfAnotherThread) {
  ListeningServer listening;
  LineClient client(listening.loop);
  client.socket.SetAddr("127.0.0.1");
  client.socket.SetPort(std::to_string(listening.port));
  client.socket.Connect();
  ASSERT_TRUE(RunUntil(listening.loop, [&] { return listening.server.ClientCount() == 1; }));
  ASSERT_TRUE(RunUntil(listening.loop, [&] { return client.lines.size() == 1; }));

  client.socket.ThreadDetach();
  listening.server.Client(0)->SendStr("to the other thread\r\n");
  for (int i = 0; i < 10; ++i) listening.loop.RunOnce(std::chrono::milliseconds(2));
  EXPECT_EQ(client.lines.size(), 1u);  // nobody listens for it here any more

  std::thread other([&] {
    EventLoop other_loop;
    client.socket.ThreadAttach(other_loop);
    RunUntil(other_loop, [&] { return client.lines.size() == 2; });
    client.socket.ThreadDetach();
  });
  other.join();
  EXPECT_EQ(client.lines.back(), "to the other thread\r\n");
  // The other thread had it last; this one may attach it again, but not detach it first.
  EXPECT_EQ(MessageOf([&] { client.socket.ThreadDetach(); }), "Cannot detach from other thread");
  client.socket.ThreadAttach(listening.loop);
  EXPECT_EQ(MessageOf([&] { client.socket.ThreadAttach(listening.loop); }),
            "Cannot attach when not detached");
}

TEST(SocketFacilities, TheLoggerStampsItsLinesAndWritesThemToFileAndEvent) {
  TestWorld world;
  TSockLogger logger(*world.clock);
  const std::string file = world.program_folder.Path() + "socket.log";
  world.program_folder.Write("socket.log", "old line\r\n");
  logger.SetLogFileName(file);
  logger.SetLogFileOption(TLogFileOption::lfoOverwrite);
  logger.SetLogOptions({TLogOption::loDestFile, TLogOption::loDestEvent, TLogOption::loAddStamp,
                        TLogOption::loWsockInfo});
  std::vector<std::string> events;
  logger.SetOnSockLogEvent(
      [&](TSockLogger&, TLogOption, const std::string& line) { events.push_back(line); });

  ListeningServer listening;
  {
    TAsyncSocket socket(listening.loop, "Client");
    socket.SetSockLogger(&logger);
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(listening.port));
    socket.Connect();
  }
  const std::string expected =
      "19:37:05:042 TAsyncSocket will connect to 127.0.0.1:" + std::to_string(listening.port);
  EXPECT_EQ(events, std::vector<std::string>{expected});
  logger.SetLogFileName("");  // closes the file
  EXPECT_EQ(world.program_folder.Read("socket.log"), expected + "\r\n");
  EXPECT_EQ(MessageOf([&] { logger.DoDebugLog(TLogOption::loWsockInfo, "x"); }), "File name empty");
}

TEST(SocketFacilities, ALoggerThatGoesDetachesItsSockets) {
  FakeClock clock;
  EventLoop loop;
  TAsyncSocket socket(loop);
  {
    TSockLogger logger(clock);
    socket.SetSockLogger(&logger);
    EXPECT_EQ(socket.SockLogger(), &logger);
  }
  EXPECT_EQ(socket.SockLogger(), nullptr);
}

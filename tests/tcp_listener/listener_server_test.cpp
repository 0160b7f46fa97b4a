// The listener over the loopback address with real sockets: banner, lines, editing, the
// limit, the last line, several clients, the reset on close, a busy port.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "tcp_listener/async_socket_srv.h"
#include "tcp_listener/listener_client.h"
#include "tests/tcp_listener/loopback.h"

namespace {}  // namespace

TEST(Listener, GreetsEachClientWithTheBannerOnlyAndNamesItAfterTheServer) {
  ListeningServer listening;
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));

  EXPECT_EQ(peer.Receive(kBanner.size()), kBanner);
  TAsyncSocketClient& client = *listening.server.Client(0);
  EXPECT_EQ(client.Name, "SocketServerClient1");
  EXPECT_NE(dynamic_cast<TListenerClient*>(&client), nullptr);
  EXPECT_EQ(client.PeerAddr(), "127.0.0.1");

  // Lines are taken in; nothing is ever sent back.
  peer.Send("abc\r\n");
  ASSERT_TRUE(listening.RunUntil([&] { return listening.lines.size() == 1; }));
  EXPECT_EQ(peer.ReceiveError(std::chrono::milliseconds(100)), EAGAIN);
}

struct FramingCase {
  const char* name;
  std::vector<std::string> writes;  // each reaches the server before the next is sent
  std::vector<std::string> lines;   // as the handler's ReceiveStr returns them
};

class ListenerFraming : public testing::TestWithParam<FramingCase> {};

TEST_P(ListenerFraming, DeliversEachLineOnceWhateverTheWrites) {
  const FramingCase& framing = GetParam();
  ListeningServer listening;
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  int sent = 0;
  for (const std::string& write : framing.writes) {
    peer.Send(write);
    sent += static_cast<int>(write.size());
    ASSERT_TRUE(listening.RunUntilRead(sent));
  }
  EXPECT_EQ(listening.LinesOf("SocketServerClient1"), framing.lines);
}

const std::string k255(255, 'x');
const std::string k300(300, 'y');

INSTANTIATE_TEST_SUITE_P(
    Loopback, ListenerFraming,
    testing::Values(
        FramingCase{"TwoLinesInOneWrite", {"ABC\r\nDE", "F\r\n"}, {"ABC\r\n", "DEF\r\n"}},
        FramingCase{"LineEndSplitBetweenWrites", {"mission7\r", "\n"}, {"mission7\r\n"}},
        FramingCase{"ByteByByte", {"o", "k", "\r", "\n"}, {"ok\r\n"}},
        FramingCase{"LoneLineFeedIsNoLineEnd", {"a\nb\r\n"}, {"a\nb\r\n"}},
        FramingCase{"BackspaceTakesBackOneByte", {"AB\bC\r\n"}, {"AC\r\n"}},
        FramingCase{"BackspaceReachesEarlierWrites", {"XY", "\b\bZ\r\n"}, {"Z\r\n"}},
        FramingCase{"BackspaceNeverReachesADeliveredLine",
                    {"one\r\n", "\b\btwo\r\n"},
                    {"one\r\n", "two\r\n"}},
        FramingCase{"TabToTheNextEighthColumn", {"AB\t|\r\n"}, {"AB      |\r\n"}},
        FramingCase{"TabAtTheStartIsEightBlanks", {"\t|\r\n"}, {"        |\r\n"}},
        FramingCase{"UnterminatedAtTheLimitIsKept", {k255, "\r\n"}, {k255 + "\r\n"}},
        FramingCase{
            "OverTheLimitIsThrownAwayToItsLineEnd", {k300, "tail\r\nnext\r\n"}, {"next\r\n"}},
        FramingCase{"LongLineInOneWriteIsDelivered", {k300 + "\r\n"}, {k300 + "\r\n"}}),
    [](const testing::TestParamInfo<FramingCase>& info) { return info.param.name; });

TEST(Listener, DeliversTheUnterminatedRestAsALastLineThenTellsOfTheDisconnect) {
  ListeningServer listening;
  {
    LoopbackPeer peer(listening.port);
    ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
    peer.Send("abc\r\nXYZ");
    ASSERT_TRUE(listening.RunUntilRead(8));
  }
  ASSERT_TRUE(listening.RunUntil([&] { return listening.disconnects == 1; }));
  EXPECT_EQ(listening.LinesOf("SocketServerClient1"), (std::vector<std::string>{"abc\r\n", "XYZ"}));
  EXPECT_EQ(listening.events, (std::vector<std::string>{
                                  "connect SocketServerClient1", "line SocketServerClient1",
                                  "line SocketServerClient1", "disconnect SocketServerClient1"}));
  EXPECT_EQ(listening.server.ClientCount(), 0);
}

TEST(Listener, ServesSeveralClientsAtOnceAndKeepsCountingTheirNames) {
  ListeningServer listening;
  {
    LoopbackPeer first(listening.port);
    LoopbackPeer second(listening.port);
    LoopbackPeer third(listening.port);
    ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 3; }));
    for (LoopbackPeer* peer : {&first, &second, &third}) {
      EXPECT_EQ(peer->Receive(kBanner.size()), kBanner);
    }
    third.Send("thi");
    first.Send("fir");
    second.Send("second\r\n");
    third.Send("rd\r\n");
    first.Send("st\r\n");
    ASSERT_TRUE(listening.RunUntil([&] { return listening.lines.size() == 3; }));
  }
  ASSERT_TRUE(listening.RunUntil([&] { return listening.disconnects == 3; }));
  EXPECT_EQ(listening.LinesOf("SocketServerClient1"), std::vector<std::string>{"first\r\n"});
  EXPECT_EQ(listening.LinesOf("SocketServerClient2"), std::vector<std::string>{"second\r\n"});
  EXPECT_EQ(listening.LinesOf("SocketServerClient3"), std::vector<std::string>{"third\r\n"});

  LoopbackPeer fourth(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  EXPECT_EQ(listening.server.Client(0)->Name, "SocketServerClient4");
}

TEST(Listener, ACloseByOurSideResetsTheConnection) {
  ListeningServer listening;
  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  ASSERT_EQ(peer.Receive(kBanner.size()), kBanner);

  listening.server.Client(0)->Close();
  ASSERT_TRUE(listening.RunUntil([&] { return listening.disconnects == 1; }));
  EXPECT_EQ(peer.ReceiveError(), ECONNRESET);
}

TEST(Listener, WithAClientLimitTheClientTooManyIsTurnedAway) {
  ListeningServer listening;
  listening.server.MaxClients = 1;
  LoopbackPeer first(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  LoopbackPeer second(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.disconnects == 1; }));

  EXPECT_EQ(first.Receive(kBanner.size()), kBanner);
  EXPECT_EQ(second.Receive(100), "Sorry, too many clients\r\n");
  EXPECT_EQ(listening.server.ClientCount(), 1);
}

TEST(Listener, ListeningAgainKeepsTheOneListener) {
  ListeningServer listening;
  const int listener = listening.server.HSocket();
  listening.server.Listen();
  EXPECT_EQ(listening.server.HSocket(), listener);
  EXPECT_EQ(listening.server.State(), TSocketState::wsListening);

  LoopbackPeer peer(listening.port);
  ASSERT_TRUE(listening.RunUntil([&] { return listening.server.ClientCount() == 1; }));
  EXPECT_EQ(peer.Receive(kBanner.size()), kBanner);
}

TEST(Listener, APortHeldByAnotherProgramGivesWinSocksAddressInUse) {
  PortHolder holder;
  EventLoop loop;
  TAsyncSocketServer server(loop, "SocketServer");
  server.SetProto("tcp");
  server.SetPort(std::to_string(holder.Port()));
  server.SetAddr("127.0.0.1");
  const int descriptors = OpenDescriptorCount();
  try {
    server.Listen();
    FAIL() << "listening on a busy port succeeded";
  } catch (const ESocketException& error) {
    EXPECT_STREQ(error.what(), "Error 10048 in function Bind\r\nAddress already in use");
  }
  EXPECT_EQ(server.LastError, 10048);
  EXPECT_EQ(server.State(), TSocketState::wsClosed);
  EXPECT_EQ(OpenDescriptorCount(), descriptors);
}

// Bound to 127.0.0.1, the listener takes no connection made to another address of the machine,
// not even another loopback one.
TEST(Listener, BoundToTheLoopbackAddressItTakesNoConnectionElsewhere) {
  ListeningServer listening;
  EXPECT_EQ(listening.server.GetBoundAddr(), "127.0.0.1");
  EXPECT_EQ(listening.server.State(), TSocketState::wsListening);
  const int other = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(other, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(listening.port));
  address.sin_addr.s_addr = htonl(0x7f000002);  // 127.0.0.2
  EXPECT_NE(::connect(other, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(other);
  listening.RunUntil([] { return false; }, std::chrono::milliseconds(50));
  EXPECT_EQ(listening.server.ClientCount(), 0);
}

// The product's side: the dogfight link starts the main window's listener on 127.0.0.1 port
// 2002 and nowhere else. That start (FBDListen) is built with the dogfight link; this test is
// to check it then, through the link's own start, not through a fixture's settings.
TEST(Listener, TheDogfightLinksListenerListensOnTheLoopbackAddressOnly) {
  GTEST_SKIP() << "The dogfight link's start of the listener (FBDListen) is not built yet; "
                  "when it is, start it here and check SocketServer's bound address "
                  "(127.0.0.1) and port (2002).";
}

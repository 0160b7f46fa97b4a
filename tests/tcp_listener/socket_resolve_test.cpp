#include "tcp_listener/socket_resolve.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tcp_listener/sync_socket.h"

namespace {

std::string FailureOf(const std::function<void()>& resolve) {
  try {
    resolve();
  } catch (const ESocketException& error) {
    return error.what();
  }
  return "(resolved)";
}

}  // namespace

TEST(SocketResolve, TellsADottedAddressFromAHostName) {
  const struct {
    const char* text;
    bool dotted;
  } cases[] = {
      {"127.0.0.1", true},  {"  10.0.0.255  ", true}, {"127.0.0", false},   {"1.2.3.4.5", false},
      {"256.1.1.1", false}, {"1.2.3.256", false},     {".1.2.3", false},    {"1.2.3.", false},
      {"1..2.3", false},    {"1.2.3.4x", false},      {"localhost", false}, {"", false},
  };
  for (const auto& row : cases) EXPECT_EQ(AsyncSocketIsDottedIP(row.text), row.dotted) << row.text;
}

TEST(SocketResolve, ReadsDecimalsAsWinSocksHelpersDo) {
  EXPECT_EQ(AsyncSocketAToI("2002"), 2002);
  EXPECT_EQ(AsyncSocketAToI("  80abc"), 80);
  EXPECT_EQ(AsyncSocketAToI("x1"), 0);
}

TEST(SocketResolve, ResolvesProtocolsPortsAndHosts) {
  WinSockBinding binding;
  EXPECT_EQ(AsyncSocketResolveProto(binding, "tcp"), 6);
  EXPECT_EQ(AsyncSocketResolveProto(binding, " UDP "), 17);
  EXPECT_EQ(AsyncSocketResolveProto(binding, "17"), 17);
  EXPECT_EQ(AsyncSocketResolveProto(binding, "icmp"), 1);
  // A port that starts with a digit is read, never looked up.
  EXPECT_EQ(AsyncSocketResolvePort(binding, "2002", "tcp"), 2002);
  EXPECT_EQ(AsyncSocketResolvePort(binding, "ftp", "tcp"), 21);
  EXPECT_EQ(AsyncSocketResolveHost(binding, "127.0.0.1"), htonl(INADDR_LOOPBACK));
  EXPECT_EQ(AsyncSocketResolveHost(binding, "localhost"), htonl(INADDR_LOOPBACK));
  EXPECT_EQ(AsyncSocketResolveHost(binding, "255.255.255.255"), INADDR_BROADCAST);
}

TEST(SocketResolve, NamesWhatCannotBeResolved) {
  WinSockBinding binding;
  const struct {
    const char* expected;
    std::function<void()> resolve;
  } cases[] = {
      {"AsyncSocketResolveProto: Invalid Protocol.", [&] { AsyncSocketResolveProto(binding, ""); }},
      {"AsyncSocketResolveProto: Cannot convert protocol 'nonsense', Error #11004",
       [&] { AsyncSocketResolveProto(binding, "nonsense"); }},
      {"AsyncSocketResolvePort: Invalid Port.",
       [&] { AsyncSocketResolvePort(binding, "", "tcp"); }},
      {"AsyncSocketResolvePort: Invalid Proto.",
       [&] { AsyncSocketResolvePort(binding, "2002", ""); }},
      {"AsyncSocketResolvePort: Cannot convert port 'nonsense', Error #11004",
       [&] { AsyncSocketResolvePort(binding, "nonsense", "tcp"); }},
      {"AsyncSocketResolveHost: '' Invalid Hostname.",
       [&] { AsyncSocketResolveHost(binding, ""); }},
  };
  for (const auto& row : cases) EXPECT_EQ(FailureOf(row.resolve), row.expected);
}

TEST(SocketResolve, ListenReportsAResolutionFailureUnderItsOwnName) {
  EventLoop loop;
  TAsyncSocket socket(loop);
  socket.SetAddr("127.0.0.1");
  socket.SetPort("nonsense");
  EXPECT_EQ(FailureOf([&] { socket.Listen(); }),
            "listen: AsyncSocketResolvePort: Cannot convert port 'nonsense', Error #11004");
  TAsyncSocket without_port(loop);
  without_port.SetAddr("127.0.0.1");
  EXPECT_EQ(FailureOf([&] { without_port.Listen(); }),
            "Error 10022 in function listen: port not assigned\r\nInvalid argument");
}

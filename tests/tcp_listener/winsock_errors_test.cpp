#include "tcp_listener/winsock_errors.h"

#include <gtest/gtest.h>

#include <netdb.h>
#include <cerrno>

TEST(WinSockErrors, GiveWinSocksTextOfANumber) {
  const struct {
    int number;
    const char* text;
  } cases[] = {
      {0, "No Error"},
      {10004, "Interrupted system call"},
      {10035, "Operation would block"},
      {10048, "Address already in use"},
      {10054, "Connection reset by peer"},
      {10057, "Socket is not connected"},
      {10071, "Too many levels of remote in path"},
      {10072, "Not a WinSock error"},
      {10093, "WinSock not initialized"},
      {11001, "Host not found"},
      {11004, "No Data"},
      {-1, "Not a WinSock error"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(AsyncSocketErrorText(row.number), row.text) << row.number;
  }
}

TEST(WinSockErrors, TurnTheErrnoOfASocketCallIntoWinSocksNumber) {
  const struct {
    int errno_value;
    int number;
  } cases[] = {
      {0, 0},
      {EWOULDBLOCK, 10035},
      {EINPROGRESS, 10036},
      {EADDRINUSE, 10048},
      {ECONNABORTED, 10053},
      {ECONNRESET, 10054},
      {EPIPE, 10054},  // a send to a peer that has gone
      {ENOTCONN, 10057},
      {ECONNREFUSED, 10061},
      {EMFILE, 10024},
      {ENFILE, 10024},
      {EBADF, 10009},
      {ENOMEM, 10055},
      {EIO, EIO},  // no WinSock error stands for it
  };
  for (const auto& row : cases) {
    EXPECT_EQ(WinSockErrorOfErrno(row.errno_value), row.number) << row.errno_value;
  }
  EXPECT_EQ(AsyncSocketErrorText(WinSockErrorOfErrno(EIO)), "Not a WinSock error");
}

TEST(WinSockErrors, TurnAHostLookUpFailureIntoWinSocksNumber) {
  EXPECT_EQ(WinSockErrorOfHostError(HOST_NOT_FOUND), 11001);
  EXPECT_EQ(WinSockErrorOfHostError(TRY_AGAIN), 11002);
  EXPECT_EQ(WinSockErrorOfHostError(NO_RECOVERY), 11003);
  EXPECT_EQ(WinSockErrorOfHostError(NO_DATA), 11004);
}

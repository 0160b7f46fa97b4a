#pragma once

#include <string>

// WinSock's error numbers, under which every socket failure is reported (the dogfight tool and
// its users know them from the Windows build), and their English texts. The socket calls here
// are POSIX ones; their errno values are turned into these numbers in one table.

inline constexpr int WSAEINTR = 10004;
inline constexpr int WSAEBADF = 10009;
inline constexpr int WSAEACCES = 10013;
inline constexpr int WSAEFAULT = 10014;
inline constexpr int WSAEINVAL = 10022;
inline constexpr int WSAEMFILE = 10024;
inline constexpr int WSAEWOULDBLOCK = 10035;
inline constexpr int WSAEINPROGRESS = 10036;
inline constexpr int WSAEALREADY = 10037;
inline constexpr int WSAENOTSOCK = 10038;
inline constexpr int WSAEMSGSIZE = 10040;
inline constexpr int WSAEOPNOTSUPP = 10045;
inline constexpr int WSAEADDRINUSE = 10048;
inline constexpr int WSAEADDRNOTAVAIL = 10049;
inline constexpr int WSAECONNABORTED = 10053;
inline constexpr int WSAECONNRESET = 10054;
inline constexpr int WSAENOBUFS = 10055;
inline constexpr int WSAEISCONN = 10056;
inline constexpr int WSAENOTCONN = 10057;
inline constexpr int WSAESHUTDOWN = 10058;
inline constexpr int WSAETIMEDOUT = 10060;
inline constexpr int WSAECONNREFUSED = 10061;
inline constexpr int WSANOTINITIALISED = 10093;
inline constexpr int WSAHOST_NOT_FOUND = 11001;
inline constexpr int WSATRY_AGAIN = 11002;
inline constexpr int WSANO_RECOVERY = 11003;
inline constexpr int WSANO_DATA = 11004;

// The text of a WinSock error number; "Not a WinSock error" for any number not in the table.
std::string AsyncSocketErrorText(int error);

// The WinSock number of an errno value from a socket call. 0 stays 0; an errno that no
// WinSock error stands for is given back unchanged (its text then reads "Not a WinSock
// error", which is true).
int WinSockErrorOfErrno(int errno_value);

// The WinSock number of a host-lookup failure (h_errno of the gethostby* calls).
int WinSockErrorOfHostError(int h_errno_value);

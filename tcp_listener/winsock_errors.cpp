#include "tcp_listener/winsock_errors.h"

#include <netdb.h>

#include <array>
#include <cerrno>

namespace {

struct WinSockError {
  int number;
  int errno_value;  // 0: no errno stands for it
  const char* text;
};

// One row per WinSock error; the errno beside it is the POSIX failure it stands for.
constexpr std::array<WinSockError, 51> kWinSockErrors{{
    {0, 0, "No Error"},
    {10004, EINTR, "Interrupted system call"},
    {10009, EBADF, "Bad file number"},
    {10013, EACCES, "Permission denied"},
    {10014, EFAULT, "Bad address"},
    {10022, EINVAL, "Invalid argument"},
    {10024, EMFILE, "Too many open files"},
    {10035, EWOULDBLOCK, "Operation would block"},
    {10036, EINPROGRESS, "Operation now in progress"},
    {10037, EALREADY, "Operation already in progress"},
    {10038, ENOTSOCK, "Socket operation on non-socket"},
    {10039, EDESTADDRREQ, "Destination address required"},
    {10040, EMSGSIZE, "Message too long"},
    {10041, EPROTOTYPE, "Protocol wrong type for socket"},
    {10042, ENOPROTOOPT, "Protocol not available"},
    {10043, EPROTONOSUPPORT, "Protocol not supported"},
    {10044, ESOCKTNOSUPPORT, "Socket type not supported"},
    {10045, EOPNOTSUPP, "Operation not supported on socket"},
    {10046, EPFNOSUPPORT, "Protocol family not supported"},
    {10047, EAFNOSUPPORT, "Address family not supported by protocol family"},
    {10048, EADDRINUSE, "Address already in use"},
    {10049, EADDRNOTAVAIL, "Address not available"},
    {10050, ENETDOWN, "Network is down"},
    {10051, ENETUNREACH, "Network is unreachable"},
    {10052, ENETRESET, "Network dropped connection on reset"},
    {10053, ECONNABORTED, "Connection aborted"},
    {10054, ECONNRESET, "Connection reset by peer"},
    {10055, ENOBUFS, "No buffer space available"},
    {10056, EISCONN, "Socket is already connected"},
    {10057, ENOTCONN, "Socket is not connected"},
    {10058, ESHUTDOWN, "Can't send after socket shutdown"},
    {10059, ETOOMANYREFS, "Too many references: can't splice"},
    {10060, ETIMEDOUT, "Connection timed out"},
    {10061, ECONNREFUSED, "Connection refused"},
    {10062, ELOOP, "Too many levels of symbolic links"},
    {10063, ENAMETOOLONG, "File name too long"},
    {10064, EHOSTDOWN, "Host is down"},
    {10065, EHOSTUNREACH, "No route to host"},
    {10066, ENOTEMPTY, "Directory not empty"},
    {10067, 0, "Too many processes"},
    {10068, EUSERS, "Too many users"},
    {10069, EDQUOT, "Disc quota exceeded"},
    {10070, ESTALE, "Stale NFS file handle"},
    {10071, EREMOTE, "Too many levels of remote in path"},
    {10091, 0, "Network sub-system is unusable"},
    {10092, 0, "WinSock DLL cannot support this application"},
    {10093, 0, "WinSock not initialized"},
    {11001, 0, "Host not found"},
    {11002, 0, "Non-authoritative host not found"},
    {11003, 0, "Non-recoverable error"},
    {11004, 0, "No Data"},
}};

}  // namespace

std::string AsyncSocketErrorText(int error) {
  for (const WinSockError& row : kWinSockErrors) {
    if (row.number == error) return row.text;
  }
  return "Not a WinSock error";
}

int WinSockErrorOfErrno(int errno_value) {
  if (errno_value == 0) return 0;
  for (const WinSockError& row : kWinSockErrors) {
    if (row.errno_value != 0 && row.errno_value == errno_value) return row.number;
  }
  switch (errno_value) {
    // A send to a peer that has gone: WinSock reports it as a reset.
    case EPIPE:
      return WSAECONNRESET;
    case ENFILE:
      return WSAEMFILE;
    case ENOMEM:
      return WSAENOBUFS;
    case EPERM:
      return WSAEACCES;
    default:
      return errno_value;
  }
}

int WinSockErrorOfHostError(int h_errno_value) {
  switch (h_errno_value) {
    case 0:
      return 0;
    case HOST_NOT_FOUND:
      return WSAHOST_NOT_FOUND;
    case TRY_AGAIN:
      return WSATRY_AGAIN;
    case NO_RECOVERY:
      return WSANO_RECOVERY;
    default:
      return WSANO_DATA;
  }
}

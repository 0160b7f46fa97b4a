#include "tcp_listener/socket_resolve.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>

#include "tcp_listener/async_socket.h"
#include "tcp_listener/host_lookup.h"
#include "tcp_listener/winsock_errors.h"

namespace {

constexpr std::size_t kLongestName = 32;   // protocol and port texts are shorter
constexpr std::size_t kLongestHost = 256;  // host names are at most this long

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

int AsyncSocketAToI(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  long long value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    value = std::min<long long>(value * 10 + (text[i] - '0'), 0x7FFFFFFF);
    ++i;
  }
  return static_cast<int>(value);
}

bool AsyncSocketIsDottedIP(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && text[i] == '.') return false;
  int dots = 0;
  int number = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      number = std::min(number * 10 + (c - '0'), 1000);
    } else if (c == '.') {
      ++dots;
      if (dots > 3 || number > 255) return false;
      if (i + 1 >= text.size() || !IsDigit(text[i + 1])) return false;
      number = 0;
    } else {
      break;
    }
  }
  for (; i < text.size(); ++i) {
    if (text[i] != ' ') return false;
  }
  return dots == 3 && number <= 255;
}

std::string AsyncSocketTrim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return std::string(text.substr(first, last - first));
}

int AsyncSocketResolveProto(WinSockBinding& binding, const std::string& text) {
  if (text.empty() || text.size() >= kLongestName) {
    throw ESocketException("AsyncSocketResolveProto: Invalid Protocol.");
  }
  if (IsDigit(text[0])) return AsyncSocketAToI(text);
  const std::string name = LowerCase(AsyncSocketTrim(text));
  if (name == "tcp") return IPPROTO_TCP;
  if (name == "udp") return IPPROTO_UDP;
  if (name == "raw") return IPPROTO_RAW;
  binding.AsyncSocketLoadProc();
  const int protocol = LookUpProtocol(name);
  if (protocol < 0) {
    binding.WSASetLastError(WSANO_DATA);
    throw ESocketException("AsyncSocketResolveProto: Cannot convert protocol '" + text +
                           "', Error #" + std::to_string(binding.WSAGetLastError()));
  }
  return protocol;
}

int AsyncSocketResolvePort(WinSockBinding& binding, const std::string& port,
                           const std::string& proto) {
  if (port.empty() || port.size() >= kLongestName) {
    throw ESocketException("AsyncSocketResolvePort: Invalid Port.");
  }
  if (proto.empty() || proto.size() >= kLongestName) {
    throw ESocketException("AsyncSocketResolvePort: Invalid Proto.");
  }
  if (IsDigit(port[0])) return AsyncSocketAToI(port);
  binding.AsyncSocketLoadProc();
  const int number = LookUpService(AsyncSocketTrim(port), AsyncSocketTrim(proto));
  if (number < 0) {
    binding.WSASetLastError(WSANO_DATA);
    throw ESocketException("AsyncSocketResolvePort: Cannot convert port '" + port + "', Error #" +
                           std::to_string(binding.WSAGetLastError()));
  }
  return number;
}

in_addr_t AsyncSocketResolveHost(WinSockBinding& binding, const std::string& text) {
  if (text.empty() || text.size() > kLongestHost) {
    throw ESocketException("AsyncSocketResolveHost: '" + text + "' Invalid Hostname.");
  }
  binding.AsyncSocketLoadProc();
  const std::string trimmed = AsyncSocketTrim(text);
  if (AsyncSocketIsDottedIP(text)) {
    const in_addr_t address = ::inet_addr(trimmed.c_str());
    if (address == INADDR_NONE && trimmed != "255.255.255.255") {
      throw ESocketException("AsyncSocketResolveHost: '" + text + "' Invalid IP address.");
    }
    return address;
  }
  const HostAddresses found = LookUpHostByName(trimmed);
  if (found.error != 0) {
    binding.WSASetLastError(found.error);
    throw ESocketException("AsyncSocketResolveHost: Cannot convert host address '" + text +
                           "', Error #" + std::to_string(found.error));
  }
  return found.addresses.front();
}

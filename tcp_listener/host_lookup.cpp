#include "tcp_listener/host_lookup.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "tcp_listener/winsock_errors.h"

namespace {

// gethostby*_r want a work area; this size is grown until the resolver is content.
constexpr std::size_t kFirstWorkAreaSize = 1024;
constexpr std::size_t kLargestWorkAreaSize = 1 << 20;

}  // namespace

HostAddresses LookUpHostByName(const std::string& name) {
  HostAddresses result;
  std::vector<char> work(kFirstWorkAreaSize);
  hostent entry{};
  hostent* found = nullptr;
  int host_error = 0;
  int status = 0;
  while ((status = ::gethostbyname_r(name.c_str(), &entry, work.data(), work.size(), &found,
                                     &host_error)) == ERANGE &&
         work.size() < kLargestWorkAreaSize) {
    work.resize(work.size() * 2);
  }
  if (status != 0 || found == nullptr || found->h_addrtype != AF_INET) {
    result.error = WinSockErrorOfHostError(host_error != 0 ? host_error : HOST_NOT_FOUND);
    return result;
  }
  for (char** address = found->h_addr_list; *address != nullptr; ++address) {
    in_addr_t value;
    std::copy_n(*address, sizeof value, reinterpret_cast<char*>(&value));
    result.addresses.push_back(value);
  }
  if (result.addresses.empty()) result.error = WSANO_DATA;
  return result;
}

HostNames LookUpHostByAddress(in_addr_t address) {
  HostNames result;
  std::vector<char> work(kFirstWorkAreaSize);
  hostent entry{};
  hostent* found = nullptr;
  int host_error = 0;
  int status = 0;
  while ((status = ::gethostbyaddr_r(&address, sizeof address, AF_INET, &entry, work.data(),
                                     work.size(), &found, &host_error)) == ERANGE &&
         work.size() < kLargestWorkAreaSize) {
    work.resize(work.size() * 2);
  }
  if (status != 0 || found == nullptr) {
    result.error = WinSockErrorOfHostError(host_error != 0 ? host_error : HOST_NOT_FOUND);
    return result;
  }
  result.name = found->h_name != nullptr ? found->h_name : "";
  for (char** alias = found->h_aliases; alias != nullptr && *alias != nullptr; ++alias) {
    result.aliases.emplace_back(*alias);
  }
  return result;
}

int LookUpProtocol(const std::string& name) {
  protoent entry{};
  protoent* found = nullptr;
  std::vector<char> work(kFirstWorkAreaSize);
  if (::getprotobyname_r(name.c_str(), &entry, work.data(), work.size(), &found) != 0 ||
      found == nullptr) {
    return -1;
  }
  return found->p_proto;
}

int LookUpService(const std::string& name, const std::string& protocol) {
  servent entry{};
  servent* found = nullptr;
  std::vector<char> work(kFirstWorkAreaSize);
  if (::getservbyname_r(name.c_str(), protocol.empty() ? nullptr : protocol.c_str(), &entry,
                        work.data(), work.size(), &found) != 0 ||
      found == nullptr) {
    return -1;
  }
  return ntohs(static_cast<std::uint16_t>(found->s_port));
}

std::string DottedAddress(in_addr_t address) {
  char text[INET_ADDRSTRLEN] = {};
  in_addr value{};
  value.s_addr = address;
  ::inet_ntop(AF_INET, &value, text, sizeof text);
  return text;
}

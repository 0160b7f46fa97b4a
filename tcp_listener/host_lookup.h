#pragma once

#include <netinet/in.h>

#include <string>
#include <vector>

// Host, service and protocol look-ups of the machine's resolver. They touch no shared state,
// so the background look-ups of a socket may call them from a worker thread. A failure is
// given as a WinSock error number (11001 host not found, ...).

struct HostAddresses {
  std::vector<in_addr_t> addresses;  // network byte order, in the resolver's order
  int error = 0;
};
HostAddresses LookUpHostByName(const std::string& name);

struct HostNames {
  std::string name;
  std::vector<std::string> aliases;
  int error = 0;
};
// `address` in network byte order.
HostNames LookUpHostByAddress(in_addr_t address);

// The protocol number of a protocol name ("tcp", "udp", ...); -1 when unknown.
int LookUpProtocol(const std::string& name);
// The port of a service name ("ftp", ...) in host byte order; -1 when unknown. An empty
// protocol matches any protocol.
int LookUpService(const std::string& name, const std::string& protocol);

// The dotted form of an address in network byte order ("127.0.0.1").
std::string DottedAddress(in_addr_t address);

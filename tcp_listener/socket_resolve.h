#pragma once

#include <netinet/in.h>

#include <string>
#include <string_view>

#include "tcp_listener/winsock_binding.h"

// Name resolution of the socket components. Each function throws ESocketException with its
// own text when the name cannot be turned into a number.

// Leading blanks, then decimal digits up to the first other character; no digits give 0.
int AsyncSocketAToI(std::string_view text);
// A dotted address: exactly three dots, numbers up to 255, only blanks after it.
bool AsyncSocketIsDottedIP(std::string_view text);
// Blanks and control characters removed at both ends.
std::string AsyncSocketTrim(std::string_view text);

int AsyncSocketResolveProto(WinSockBinding& binding, const std::string& text);
// The port in host byte order.
int AsyncSocketResolvePort(WinSockBinding& binding, const std::string& port,
                           const std::string& proto);
// The address in network byte order.
in_addr_t AsyncSocketResolveHost(WinSockBinding& binding, const std::string& text);

// Host look-ups of the socket component.

#include <arpa/inet.h>

#include <system_error>
#include <utility>

#include "tcp_listener/async_socket.h"
#include "tcp_listener/dns_request.h"
#include "tcp_listener/host_lookup.h"
#include "tcp_listener/socket_resolve.h"
#include "tcp_listener/winsock_errors.h"

namespace {

constexpr std::size_t kLongestHostAddress = 256;

HostReply AddressesOf(const std::string& host_name) {
  const HostAddresses found = LookUpHostByName(host_name);
  HostReply reply;
  reply.error = found.error;
  for (in_addr_t address : found.addresses) reply.results.push_back(DottedAddress(address));
  return reply;
}

HostReply NamesOf(in_addr_t address) {
  const HostNames found = LookUpHostByAddress(address);
  HostReply reply;
  reply.error = found.error;
  if (found.error == 0) {
    reply.results.push_back(found.name);
    reply.results.insert(reply.results.end(), found.aliases.begin(), found.aliases.end());
  }
  return reply;
}

}  // namespace

void TCustomAsyncSocket::DnsLookup(const std::string& HostName) {
  if (HostName.empty()) {
    RaiseException("DNS lookup: invalid host name.");
    return TriggerDnsLookupDone(WSAEINVAL);
  }
  ResetDnsLookup();
  if (AsyncSocketIsDottedIP(HostName)) {
    dns_result_ = AsyncSocketTrim(HostName);
    dns_result_list_.push_back(dns_result_);
    return TriggerDnsLookupDone(0);
  }
  if (window_ == nullptr) return RaiseException("DnsLookup: Window not assigned");
  const std::string name = AsyncSocketTrim(HostName);
  StartLookupOrRaise(HostName, WM_ASYNCGETHOSTBYNAME, [name] { return AddressesOf(name); });
}

void TCustomAsyncSocket::ReverseDnsLookup(const std::string& HostAddr) {
  if (!AcceptReverseLookupAddress(HostAddr)) return;
  ResetDnsLookup();
  if (window_ == nullptr) return RaiseException("ReverseDnsLookup: Window not assigned");
  const in_addr_t address = ::inet_addr(AsyncSocketTrim(HostAddr).c_str());
  StartLookupOrRaise(HostAddr, WM_ASYNCGETHOSTBYADDR, [address] { return NamesOf(address); });
}

void TCustomAsyncSocket::ReverseDnsLookupSync(const std::string& HostAddr) {
  if (!AcceptReverseLookupAddress(HostAddr)) return;
  ResetDnsLookup();
  binding_->AsyncSocketLoadProc();
  const HostReply reply = NamesOf(::inet_addr(AsyncSocketTrim(HostAddr).c_str()));
  if (reply.error == 0) {
    dns_result_list_ = reply.results;
    dns_result_ = reply.results.front();
  }
  binding_->WSASetLastError(reply.error);
  TriggerDnsLookupDone(static_cast<std::uint16_t>(reply.error));
}

bool TCustomAsyncSocket::AcceptReverseLookupAddress(const std::string& HostAddr) {
  if (!HostAddr.empty() && HostAddr.size() <= kLongestHostAddress) return true;
  RaiseException("ReverseDnsLookup: Invalid host name.");
  TriggerDnsLookupDone(WSAEINVAL);
  return false;
}

void TCustomAsyncSocket::ResetDnsLookup() {
  CancelDnsLookup();
  dns_result_.clear();
  dns_result_list_.clear();
}

void TCustomAsyncSocket::StartLookupOrRaise(const std::string& looked_up, unsigned message,
                                            std::function<HostReply()> lookup) {
  try {
    StartDnsRequest(message, DnsRequest::Start(std::move(lookup)));
  } catch (const std::system_error& error) {
    RaiseException(looked_up + ": can't start DNS lookup, error #" +
                   std::to_string(WinSockErrorOfErrno(error.code().value())));
  }
}

void TCustomAsyncSocket::CancelDnsLookup() {
  if (dns_request_ == nullptr) return;
  ForgetDnsRequest();
  if (!destroying_) TriggerDnsLookupDone(WSAEINTR);
}

void TCustomAsyncSocket::StartDnsRequest(unsigned message, std::shared_ptr<DnsRequest> request) {
  binding_->AsyncSocketLoadProc();
  dns_request_ = std::move(request);
  const std::uint64_t serial = ++dns_request_serial_;
  dns_watch_ = loop_->Watch(dns_request_->ReadyDescriptor(), EventLoop::kReadable,
                            [this, message, serial](unsigned) {
                              TMessage reply;
                              reply.Msg = message;
                              reply.WParam = static_cast<std::uintptr_t>(serial);
                              if (window_ != nullptr) window_->SendMessage(reply);
                            });
}

void TCustomAsyncSocket::ForgetDnsRequest() {
  if (dns_watch_ != 0 && loop_ != nullptr) loop_->Unwatch(dns_watch_);
  dns_watch_ = 0;
  dns_request_.reset();
}

void TCustomAsyncSocket::WMAsyncGetHost(TMessage& MsgRec) {
  if (dns_request_ == nullptr || MsgRec.WParam != dns_request_serial_) return;
  const HostReply reply = dns_request_->Reply();
  ForgetDnsRequest();
  if (reply.error == 0) {
    dns_result_list_ = reply.results;
    dns_result_ = reply.results.front();
  }
  TriggerDnsLookupDone(static_cast<std::uint16_t>(reply.error));
}

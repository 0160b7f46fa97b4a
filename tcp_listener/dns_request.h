#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The answer of a host look-up: names or dotted addresses, or a WinSock error number.
struct HostReply {
  std::vector<std::string> results;
  int error = 0;
};

// A host look-up running on a worker thread, as WinSock runs its asynchronous look-ups. Its
// end is signalled on a descriptor the event loop can watch, so the answer is taken on the
// component's own thread. A request dropped before it ends finishes unseen.
class DnsRequest {
 public:
  // Throws std::system_error when no thread or descriptor can be had.
  static std::shared_ptr<DnsRequest> Start(std::function<HostReply()> work);
  ~DnsRequest();
  DnsRequest(const DnsRequest&) = delete;
  DnsRequest& operator=(const DnsRequest&) = delete;

  // Becomes readable when the reply is there.
  int ReadyDescriptor() const { return ready_[0]; }
  HostReply Reply();

 private:
  DnsRequest();

  int ready_[2] = {-1, -1};
  std::mutex lock_;
  HostReply reply_;
};

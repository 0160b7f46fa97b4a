#include "tcp_listener/dns_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

DnsRequest::DnsRequest() {
  if (::pipe2(ready_, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category());
}

DnsRequest::~DnsRequest() {
  ::close(ready_[0]);
  ::close(ready_[1]);
}

std::shared_ptr<DnsRequest> DnsRequest::Start(std::function<HostReply()> work) {
  std::shared_ptr<DnsRequest> request(new DnsRequest());
  std::thread([request, work = std::move(work)] {
    HostReply reply = work();
    {
      std::lock_guard guard(request->lock_);
      request->reply_ = std::move(reply);
    }
    const char done = 1;
    while (::write(request->ready_[1], &done, 1) < 0 && errno == EINTR) {
    }
  }).detach();
  return request;
}

HostReply DnsRequest::Reply() {
  std::lock_guard guard(lock_);
  return reply_;
}

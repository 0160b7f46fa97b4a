#include "platform/event_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

void EventLoop::Post(Handler handler) {
  posted_.push_back(std::move(handler));
}

EventLoop::TimerId EventLoop::StartTimer(std::chrono::milliseconds interval, Handler on_tick) {
  const TimerId id = next_id_++;
  interval = std::max(interval, std::chrono::milliseconds(1));
  timers_[id] = Timer{interval, SteadyClock::now() + interval, std::move(on_tick)};
  return id;
}

void EventLoop::StopTimer(TimerId id) {
  timers_.erase(id);
}

EventLoop::WatchId EventLoop::Watch(int fd, unsigned interest, ReadyHandler on_ready) {
  const WatchId id = next_id_++;
  watches_[id] = WatchEntry{fd, interest, std::move(on_ready)};
  return id;
}

void EventLoop::SetInterest(WatchId id, unsigned interest) {
  auto it = watches_.find(id);
  if (it != watches_.end()) it->second.interest = interest;
}

void EventLoop::Unwatch(WatchId id) {
  watches_.erase(id);
}

void EventLoop::SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  exception_handler_ = std::move(handler);
}

void EventLoop::Deliver(const Handler& handler) {
  if (!exception_handler_) {
    handler();
    return;
  }
  try {
    handler();
  } catch (const std::exception& error) {
    exception_handler_(error);
  }
}

bool EventLoop::DeliverPosted() {
  // Only what was posted before this round; handlers that post wait for the next one.
  size_t pending = posted_.size();
  bool delivered = false;
  while (pending-- > 0 && !posted_.empty() && !quit_requested_) {
    Handler handler = std::move(posted_.front());
    posted_.pop_front();
    Deliver(handler);
    delivered = true;
  }
  return delivered;
}

bool EventLoop::DeliverDueTimers() {
  const auto now = SteadyClock::now();
  std::vector<TimerId> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.due <= now) due.push_back(id);
  }
  // Earliest first; timers due at the same moment in the order they were started.
  std::sort(due.begin(), due.end(), [this](TimerId a, TimerId b) {
    const auto due_a = timers_.at(a).due;
    const auto due_b = timers_.at(b).due;
    return due_a != due_b ? due_a < due_b : a < b;
  });
  bool delivered = false;
  for (TimerId id : due) {
    if (quit_requested_) break;
    auto it = timers_.find(id);
    if (it == timers_.end()) continue;  // stopped by an earlier handler
    it->second.due = now + it->second.interval;
    Handler on_tick = it->second.on_tick;
    Deliver(on_tick);
    delivered = true;
  }
  return delivered;
}

std::chrono::milliseconds EventLoop::TimeToNextTimer(std::chrono::milliseconds cap) const {
  const auto now = SteadyClock::now();
  auto wait = cap;
  for (const auto& [id, timer] : timers_) {
    const auto until = std::chrono::duration_cast<std::chrono::milliseconds>(timer.due - now) +
                       std::chrono::milliseconds(1);
    wait = std::min(wait, std::max(until, std::chrono::milliseconds(0)));
  }
  return wait;
}

bool EventLoop::PollDescriptors(std::chrono::milliseconds wait) {
  std::vector<pollfd> fds;
  std::vector<WatchId> ids;
  for (const auto& [id, watch] : watches_) {
    short events = 0;
    if (watch.interest & kReadable) events |= POLLIN;
    if (watch.interest & kWritable) events |= POLLOUT;
    fds.push_back(pollfd{watch.fd, events, 0});
    ids.push_back(id);
  }
  const int count = ::poll(fds.data(), fds.size(), static_cast<int>(wait.count()));
  if (count <= 0) return false;
  bool delivered = false;
  for (size_t i = 0; i < fds.size() && !quit_requested_; ++i) {
    if (fds[i].revents == 0) continue;
    auto it = watches_.find(ids[i]);
    if (it == watches_.end()) continue;  // unwatched by an earlier handler of this round
    unsigned ready = 0;
    if (fds[i].revents & POLLIN) ready |= kReadable;
    if (fds[i].revents & POLLOUT) ready |= kWritable;
    if (fds[i].revents & POLLHUP) ready |= kHangUp;
    if (fds[i].revents & (POLLERR | POLLNVAL)) ready |= kError;
    ReadyHandler on_ready = it->second.on_ready;
    Deliver([&on_ready, ready] { on_ready(ready); });
    delivered = true;
    // A descriptor that is not open can report nothing more; watching it on would spin.
    if (fds[i].revents & POLLNVAL) {
      auto still = watches_.find(ids[i]);
      if (still != watches_.end() && still->second.fd == fds[i].fd) watches_.erase(still);
    }
  }
  return delivered;
}

bool EventLoop::RunOnce(std::chrono::milliseconds max_wait) {
  bool delivered = DeliverPosted();
  if (quit_requested_) return delivered;
  delivered |= DeliverDueTimers();
  if (quit_requested_) return delivered;
  const auto wait = posted_.empty() ? TimeToNextTimer(max_wait) : std::chrono::milliseconds(0);
  delivered |= PollDescriptors(wait);
  return delivered;
}

void EventLoop::Run() {
  while (!quit_requested_) {
    if (posted_.empty() && timers_.empty() && watches_.empty()) break;  // nothing can happen
    RunOnce(std::chrono::milliseconds(1000));
  }
}

bool EventLoop::RunUntil(const std::function<bool()>& condition,
                         std::chrono::milliseconds timeout) {
  const auto deadline = SteadyClock::now() + timeout;
  while (!condition()) {
    const auto now = SteadyClock::now();
    if (quit_requested_ || now >= deadline) return condition();
    RunOnce(std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now),
                     std::chrono::milliseconds(50)));
  }
  return true;
}

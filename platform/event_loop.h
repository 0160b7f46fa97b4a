#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>

// The program's one message loop, on its one thread. It delivers, one handler at a time and in
// the order they became due: posted messages, timer ticks and descriptor readiness (sockets,
// the terminal). A quit request takes effect when the running handler returns.
class EventLoop {
 public:
  using Handler = std::function<void()>;
  using ReadyHandler = std::function<void(unsigned ready)>;
  using TimerId = std::uint64_t;
  using WatchId = std::uint64_t;

  static constexpr unsigned kReadable = 1;
  static constexpr unsigned kWritable = 2;
  static constexpr unsigned kHangUp = 4;
  static constexpr unsigned kError = 8;

  // Runs the handler after the current one returns, after every message posted before it.
  void Post(Handler handler);

  // Calls on_tick every interval until stopped. Starting again restarts the count.
  TimerId StartTimer(std::chrono::milliseconds interval, Handler on_tick);
  void StopTimer(TimerId id);

  // Reports readiness of a descriptor. After Unwatch no further report reaches the handler,
  // even when the descriptor number is reused at once. A descriptor found closed is reported
  // once as kError and then no longer watched.
  WatchId Watch(int fd, unsigned interest, ReadyHandler on_ready);
  void SetInterest(WatchId id, unsigned interest);
  void Unwatch(WatchId id);

  // An exception escaping a handler goes here (the application's standard handler); without
  // one it leaves Run.
  void SetExceptionHandler(std::function<void(const std::exception&)> handler);

  void RequestQuit() { quit_requested_ = true; }
  bool QuitRequested() const { return quit_requested_; }

  // Delivers until a quit is requested.
  void Run();
  // One round: the messages posted before it, then the timers due (earliest first, those due
  // together in the order they were started), then the descriptors ready, waiting up to
  // max_wait for one when nothing else is pending. Returns whether any handler ran.
  bool RunOnce(std::chrono::milliseconds max_wait);
  // Runs until the condition holds, a quit is requested or the time is up; true when it holds.
  bool RunUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

 private:
  using SteadyClock = std::chrono::steady_clock;
  struct Timer {
    std::chrono::milliseconds interval;
    SteadyClock::time_point due;
    Handler on_tick;
  };
  struct WatchEntry {
    int fd;
    unsigned interest;
    ReadyHandler on_ready;
  };

  void Deliver(const Handler& handler);
  bool DeliverPosted();
  bool DeliverDueTimers();
  bool PollDescriptors(std::chrono::milliseconds wait);
  std::chrono::milliseconds TimeToNextTimer(std::chrono::milliseconds cap) const;

  std::deque<Handler> posted_;
  std::map<TimerId, Timer> timers_;
  std::map<WatchId, WatchEntry> watches_;
  std::uint64_t next_id_ = 1;
  bool quit_requested_ = false;
  std::function<void(const std::exception&)> exception_handler_;
};

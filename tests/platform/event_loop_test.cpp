#include "platform/event_loop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/test_pipe.h"

namespace {

using std::chrono::milliseconds;

TEST(EventLoop, DeliversInTheOrderThingsBecameDue) {
  EventLoop loop;
  std::vector<std::string> seen;
  TestPipe input;
  loop.StartTimer(milliseconds(1), [&] {
    seen.push_back("first timer");
    loop.RequestQuit();
  });
  loop.StartTimer(milliseconds(1), [&] { seen.push_back("second timer"); });
  std::this_thread::sleep_for(milliseconds(5));
  input.Write("x");
  loop.Watch(input.ReadEnd(), EventLoop::kReadable, [&](unsigned ready) {
    seen.push_back(ready & EventLoop::kReadable ? "input" : "other");
  });
  loop.Post([&] {
    seen.push_back("posted");
    loop.Post([&] { seen.push_back("posted by posted"); });
  });

  // The first tick asks to quit: the second timer, due as well, waits for the next run.
  loop.Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"posted", "first timer"}));
  EXPECT_TRUE(loop.QuitRequested());

  EventLoop fresh;
  seen.clear();
  // Periods long enough that a busy machine cannot make them due again between
  // the two runs below.
  fresh.StartTimer(milliseconds(200), [&] { seen.push_back("timer a"); });
  fresh.StartTimer(milliseconds(200), [&] { seen.push_back("timer b"); });
  std::this_thread::sleep_for(milliseconds(210));
  fresh.Watch(input.ReadEnd(), EventLoop::kReadable, [&](unsigned) {
    char byte;
    EXPECT_EQ(::read(input.ReadEnd(), &byte, 1), 1);
    seen.push_back("input");
  });
  fresh.Post([&] {
    seen.push_back("posted");
    fresh.Post([&] { seen.push_back("posted by posted"); });
  });
  fresh.RunOnce(milliseconds(0));
  fresh.RunOnce(milliseconds(0));
  EXPECT_EQ(seen, (std::vector<std::string>{"posted", "timer a", "timer b", "input",
                                            "posted by posted"}));
}

TEST(EventLoop, QuitTakesEffectWhenTheRunningHandlerReturns) {
  EventLoop loop;
  std::vector<std::string> seen;
  loop.Post([&] {
    loop.RequestQuit();
    seen.push_back("handler goes on to its end");
  });
  loop.Post([&] { seen.push_back("next message"); });
  loop.Run();
  EXPECT_EQ(seen, (std::vector<std::string>{"handler goes on to its end"}));
  EXPECT_FALSE(loop.RunUntil([] { return false; }, milliseconds(1000)));
  EXPECT_EQ(seen.size(), 1u);
}

TEST(EventLoop, UnwatchInAHandlerHoldsEvenWhenTheNumberIsReused) {
  EventLoop loop;
  TestPipe first, second, third;
  first.Write("x");
  second.Write("x");
  int second_reports = 0;
  int reused_reports = 0;
  EventLoop::WatchId second_watch = 0;
  loop.Watch(first.ReadEnd(), EventLoop::kReadable, [&](unsigned) {
    char byte;
    EXPECT_EQ(::read(first.ReadEnd(), &byte, 1), 1);
    // The second descriptor is closed and its number taken by another pipe with data.
    loop.Unwatch(second_watch);
    third.Write("x");
    ASSERT_EQ(::dup2(third.ReadEnd(), second.ReadEnd()), second.ReadEnd());
    loop.Watch(second.ReadEnd(), EventLoop::kReadable, [&](unsigned) {
      ++reused_reports;
      loop.RequestQuit();
    });
  });
  second_watch =
      loop.Watch(second.ReadEnd(), EventLoop::kReadable, [&](unsigned) { ++second_reports; });
  EXPECT_TRUE(loop.RunUntil([&] { return reused_reports > 0; }, milliseconds(2000)));
  EXPECT_EQ(second_reports, 0);
  EXPECT_EQ(reused_reports, 1);
}

TEST(EventLoop, ADescriptorClosedUnderItsWatchIsReportedOnceThenDropped) {
  EventLoop loop;
  int closed_fd = -1;
  {
    TestPipe pipe;
    closed_fd = ::dup(pipe.ReadEnd());
  }
  ASSERT_EQ(::close(closed_fd), 0);
  int reports = 0;
  unsigned last = 0;
  loop.Watch(closed_fd, EventLoop::kReadable, [&](unsigned ready) {
    ++reports;
    last = ready;
  });
  for (int round = 0; round < 5; ++round) loop.RunOnce(milliseconds(5));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(last, EventLoop::kError);
}

TEST(EventLoop, AnExceptionGoesToTheHandlerAndTheLoopGoesOn) {
  EventLoop loop;
  std::vector<std::string> seen;
  loop.Post([] { throw std::runtime_error("No campaign active."); });
  loop.Post([&] { seen.push_back("next"); });
  loop.SetExceptionHandler([&](const std::exception& error) { seen.push_back(error.what()); });
  loop.RunOnce(milliseconds(0));
  EXPECT_EQ(seen, (std::vector<std::string>{"No campaign active.", "next"}));

  EventLoop unhandled;
  unhandled.Post([] { throw std::runtime_error("out"); });
  EXPECT_THROW(unhandled.Run(), std::runtime_error);
}

TEST(EventLoop, TimersTickUntilStoppedAndAStoppedTimerStaysSilent) {
  EventLoop loop;
  int ticks_a = 0;
  int ticks_b = 0;
  EventLoop::TimerId b = 0;
  const EventLoop::TimerId a = loop.StartTimer(milliseconds(1), [&] {
    // Both are due in the same round; the first stops the second before its turn.
    if (++ticks_a == 3) loop.StopTimer(b);
  });
  b = loop.StartTimer(milliseconds(1), [&] { ++ticks_b; });
  EXPECT_TRUE(loop.RunUntil([&] { return ticks_a >= 5; }, milliseconds(2000)));
  loop.StopTimer(a);
  EXPECT_LE(ticks_b, 2);
  const int stopped_at = ticks_a;
  loop.RunUntil([] { return false; }, milliseconds(20));
  EXPECT_EQ(ticks_a, stopped_at);
}

}  // namespace

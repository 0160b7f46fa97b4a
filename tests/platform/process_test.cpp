#include "platform/process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(ProcessRunning, TellsALiveProcessFromOneThatHasEnded) {
  EXPECT_TRUE(ProcessRunning(CurrentProcessId()));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_FALSE(ProcessRunning(static_cast<int>(child)));
  EXPECT_FALSE(ProcessRunning(0));
  EXPECT_FALSE(ProcessRunning(-5));
}

}  // namespace

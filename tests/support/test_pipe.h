#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <string_view>

// A pipe for the tests of code that waits on descriptors; both ends close with it.
class TestPipe {
 public:
  TestPipe() { EXPECT_EQ(::pipe(fds_), 0); }
  ~TestPipe() {
    CloseWriteEnd();
    if (fds_[0] >= 0) ::close(fds_[0]);
  }
  TestPipe(const TestPipe&) = delete;
  TestPipe& operator=(const TestPipe&) = delete;

  int ReadEnd() const { return fds_[0]; }
  // Writes the whole text into the pipe.
  void Write(std::string_view text) const {
    EXPECT_EQ(::write(fds_[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  // The reader sees the end of its input once it has taken what was written.
  void CloseWriteEnd() {
    if (fds_[1] >= 0) ::close(fds_[1]);
    fds_[1] = -1;
  }

 private:
  int fds_[2] = {-1, -1};
};

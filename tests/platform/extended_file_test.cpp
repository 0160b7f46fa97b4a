#include "platform/extended_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

// The file is extended only while it is as it was left: whatever someone else does to it or
// to its path makes the next extension fail, writing nothing, and the file kept anew is extended
// again.
TEST(ExtendedFile, IsExtendedOnlyWhileNobodyElseTouchedTheFileOrItsPath) {
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> change;
    bool extended;
  };
  const Case cases[] = {
      {"nothing", [](const std::string&) {}, true},
      {"renamed away", [](const std::string& path) { fs::rename(path, path + ".kept"); }, false},
      {"deleted", [](const std::string& path) { fs::remove(path); }, false},
      {"replaced by a file of the same size",
       [](const std::string& path) {
         TempFolder other;
         fs::rename(other.Write("same.txt", "abcd\r\n"), path);
       },
       false},
      {"written by another writer",
       [](const std::string& path) {
         const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::write(fd, "x", 1), 1);
         ::close(fd);
       },
       false},
      {"cut short by path", [](const std::string& path) { fs::resize_file(path, 3); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.Write("log.txt", "line\r\n");
    ExtendedFile file;
    file.Keep(path, 6);
    ASSERT_TRUE(file.ReplaceTail(path, 6, 6, "own\r\n"));
    ASSERT_TRUE(file.ReplaceTail(path, 11, 11, "more\r\n"));
    c.change(path);
    EXPECT_EQ(file.ReplaceTail(path, 17, 17, "next\r\n"), c.extended);
    if (c.extended) {
      EXPECT_EQ(folder.Read("log.txt"), "line\r\nown\r\nmore\r\nnext\r\n");
      continue;
    }
    // Written whole again and kept anew, it is extended again.
    fs::remove(path);
    folder.Write("log.txt", "whole\r\n");
    file.Keep(path, 7);
    EXPECT_TRUE(file.ReplaceTail(path, 7, 7, "again\r\n"));
    EXPECT_EQ(folder.Read("log.txt"), "whole\r\nagain\r\n");
  }
}

TEST(ExtendedFile, AnotherPathOrSizeThanKeptIsNotExtended) {
  TempFolder folder;
  const std::string path = folder.Write("log.txt", "line\r\n");
  const std::string other = folder.Write("other.txt", "line\r\n");
  ExtendedFile file;
  file.Keep(path, 6);
  EXPECT_FALSE(file.ReplaceTail(other, 6, 6, "x"));
  EXPECT_FALSE(file.ReplaceTail(path, 5, 5, "x"));
  EXPECT_FALSE(file.ReplaceTail(path, 6, 7, "x"));
  EXPECT_EQ(folder.Read("log.txt"), "line\r\n");
  ExtendedFile wrong_size;
  wrong_size.Keep(path, 5);
  EXPECT_FALSE(wrong_size.ReplaceTail(path, 5, 5, "x"));
  EXPECT_EQ(folder.Read("log.txt"), "line\r\n");
}

}  // namespace

#include "platform/stale_temporaries.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/file_system.h"
#include "tests/support/test_world.h"

namespace {

// The id of a process that has ended.
long EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return static_cast<long>(child);
}

TEST(TemporaryOwner, ReadsTheProcessOfASavesTemporaryOnly) {
  EXPECT_EQ(TemporaryOwner("squadrons.tavrek.tmp4711_3"), 4711);
  EXPECT_EQ(TemporaryOwner("a.tmp1_0"), 1);
  for (const char* name : {"squadrons.tavrek", "x.tmp", "x.tmp12", "x.tmp12_", "x.tmp_3",
                           "x.tmpab_1", "x.tmp1_2b", ".tmp1_2", "x.tmp12345678901_1"}) {
    EXPECT_EQ(TemporaryOwner(name), -1) << name;
  }
}

TEST(RemoveStaleTemporaries, RemovesThoseOfEndedProcessesOnly) {
  TempFolder folder;
  const std::string ended = std::to_string(EndedProcess());
  const std::string own = std::to_string(::getpid());
  const std::string parent = std::to_string(::getppid());
  folder.Write("squadrons.tavrek.tmp" + ended + "_0", "half");
  folder.Write("tavrek.ini.tmp" + ended + "_7", "half");
  folder.Write("columns.tavrek.tmp" + own + "_1", "being written");
  folder.Write("pilot.tavrek.tmp" + parent + "_2", "another copy's");
  folder.Write("notes.tmp", "a user's file");
  folder.Write("squadrons.tavrek", "kept");

  const std::vector<std::string> removed = RemoveStaleTemporaries(folder.Path());

  EXPECT_EQ(removed.size(), 2u);
  EXPECT_FALSE(FileExists(folder.Path() + "squadrons.tavrek.tmp" + ended + "_0"));
  EXPECT_FALSE(FileExists(folder.Path() + "tavrek.ini.tmp" + ended + "_7"));
  for (const std::string& kept :
       {"columns.tavrek.tmp" + own + "_1", "pilot.tavrek.tmp" + parent + "_2",
        std::string("notes.tmp"), std::string("squadrons.tavrek")}) {
    EXPECT_TRUE(FileExists(folder.Path() + kept)) << kept;
  }
  EXPECT_TRUE(RemoveStaleTemporaries(folder.Path() + "missing/").empty());
}

}  // namespace

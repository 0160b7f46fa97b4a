#include "platform/shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

bool AppearsWithin(const fs::path& file, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(file)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

TEST(PosixShell, StartsAProgramInItsFolderWithItsParameters) {
  TempFolder folder;
  const std::string script = folder.Write("Tools/Mark.sh", "#!/bin/sh\necho \"$1 $2\" > started\n");
  fs::permissions(script, fs::perms::owner_all);
  PosixShell shell;
  // The path and the folder in the game's own spelling.
  EXPECT_TRUE(shell.Open(folder.Path() + "tools\\MARK.sh", "netupdate  second", folder.Path()));
  ASSERT_TRUE(AppearsWithin(folder.Path() + "started", std::chrono::milliseconds(5000)));
  std::string text;
  for (int tries = 0; tries < 100 && text.empty(); ++tries) {
    text = folder.Read("started");
    if (text.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(text, "netupdate second\n");

  EXPECT_FALSE(shell.Open(folder.Path() + "missing.exe", "", ""));
  EXPECT_FALSE(shell.Explore(folder.Path() + "missing\\"));
}

}  // namespace

#include "platform/folder_lock.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/test_world.h"

namespace {

using Outcome = FolderLock::Outcome;

TEST(FolderLock, ASecondClaimIsRefusedUntilTheFirstGoes) {
  TempFolder folder;
  std::unique_ptr<FolderLock> first;
  std::unique_ptr<FolderLock> second;
  ASSERT_EQ(FolderLock::Claim(folder.Path(), first), Outcome::kClaimed);
  EXPECT_EQ(FolderLock::Claim(folder.Path(), second), Outcome::kInUse);
  EXPECT_EQ(second, nullptr);
  // Another text naming the same folder is the same folder.
  EXPECT_EQ(FolderLock::Claim(folder.Path() + "./", second), Outcome::kInUse);

  first.reset();
  EXPECT_EQ(FolderLock::Claim(folder.Path(), second), Outcome::kClaimed);
  EXPECT_EQ(second->Folder(), folder.Path());
}

TEST(FolderLock, AFolderThatIsNotThereCannotBeClaimed) {
  TempFolder folder;
  std::unique_ptr<FolderLock> lock;
  EXPECT_EQ(FolderLock::Claim(folder.Path() + "missing/", lock), Outcome::kNotPossible);
  EXPECT_EQ(lock, nullptr);
}

}  // namespace

#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_cache.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

// The tests of the file layer run twice: with every look-up going to the disk, and inside an
// operation that keeps what it learns of the folders, where the layer's own changes must be seen
// all the same.
class FileLayer : public ::testing::TestWithParam<bool> {
 protected:
  FileLayer() {
    if (GetParam()) known_folders_.emplace(folders_);
  }

 private:
  FolderCache folders_;
  std::optional<FolderCacheScope> known_folders_;
};

std::string DiskOrCache(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "WithFolderCache" : "FromDisk";
}

INSTANTIATE_TEST_SUITE_P(DiskAndCache, FileLayer, ::testing::Bool(), DiskOrCache);

// A game-like tree: folders in their installed case, and two folders that differ only in case.
class GameTree : public FileLayer {
 protected:
  GameTree() {
    folder.Write("Missions/Campaign/RU/Tavrek/campaign.ini", "ini");
    folder.Write("Data/Class.TAVREK", "class");
    folder.Write("Dup/a.txt", "upper");
    folder.Write("dup/a.txt", "lower");
  }
  std::string Root() const { return folder.Path(); }
  TempFolder folder;
};

TEST_P(GameTree, ResolvesEachPartWithoutRegardToCase) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"missions\\campaign\\ru\\tavrek\\CAMPAIGN.INI", "Missions/Campaign/RU/Tavrek/campaign.ini"},
      {"Missions/campaign\\RU/tavrek\\campaign.ini", "Missions/Campaign/RU/Tavrek/campaign.ini"},
      {"missions\\\\campaign//ru\\", "Missions/Campaign/RU/"},
      {"data\\class.tavrek", "Data/Class.TAVREK"},
      // Missing parts are kept as written, below the existing ones found.
      {"missions\\campaign\\DE\\New\\File.txt", "Missions/Campaign/DE/New/File.txt"},
      {"MISSIONS\\Net\\", "Missions/Net/"},
      // The exact name first; otherwise the first in byte order.
      {"dup\\a.txt", "dup/a.txt"},
      {"Dup\\a.txt", "Dup/a.txt"},
      {"DUP\\A.TXT", "Dup/a.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolvePath(Root() + c.text), fs::path(Root() + c.expected)) << c.text;
  }
}

TEST_P(GameTree, ExistenceTestsAndFoldersFollowTheResolution) {
  EXPECT_TRUE(FileExists(Root() + "DATA\\CLASS.tavrek"));
  EXPECT_FALSE(FileExists(Root() + "Data\\"));
  EXPECT_TRUE(DirectoryExists(Root() + "missions\\CAMPAIGN\\"));
  EXPECT_FALSE(DirectoryExists(Root() + "data\\class.tavrek"));
  EXPECT_FALSE(FileExists(""));

  // New levels go below the existing folders, not beside them in another case.
  EXPECT_TRUE(ForceDirectories(Root() + "missions\\campaign\\DE\\Tavrek\\"));
  EXPECT_TRUE(fs::is_directory(Root() + "Missions/Campaign/DE/Tavrek"));
  EXPECT_FALSE(fs::exists(Root() + "missions"));
  EXPECT_TRUE(CreateDir(Root() + "data\\aces"));
  EXPECT_TRUE(fs::is_directory(Root() + "Data/aces"));
  EXPECT_FALSE(CreateDir(Root() + "DATA\\ACES"));  // exists already
  EXPECT_FALSE(CreateDir(Root() + "Nowhere\\deeper"));

  EXPECT_TRUE(DeleteFile(Root() + "data\\CLASS.tavrek"));
  EXPECT_FALSE(fs::exists(Root() + "Data/Class.TAVREK"));
  EXPECT_FALSE(DeleteFile(Root() + "data\\CLASS.tavrek"));
  EXPECT_FALSE(DeleteFile(Root() + "Data"));  // a folder is no file
}

INSTANTIATE_TEST_SUITE_P(DiskAndCache, GameTree, ::testing::Bool(), DiskOrCache);

TEST(ListDirectory, SortsWithoutRegardToCaseAndMatchesWildcards) {
  TempFolder folder;
  for (const char* name : {"b.TXT", "A.txt", "_c.txt", "c.bmp", "README", "Ab.bmp"}) {
    folder.Write(name, "x");
  }
  folder.Write("Sub/inner.txt", "x");
  folder.Write("aSub/inner.txt", "x");
  const std::string root = folder.Path();
  using Names = std::vector<std::string>;
  // Compared in upper case, as the game's file system lists them: "_" after the letters.
  EXPECT_EQ(ListDirectory(root, "*.txt"), (Names{"A.txt", "b.TXT", "_c.txt"}));
  EXPECT_EQ(ListDirectory(root, "*.BMP"), (Names{"Ab.bmp", "c.bmp"}));
  EXPECT_EQ(ListDirectory(root, "?.bmp"), (Names{"c.bmp"}));
  EXPECT_EQ(ListDirectory(root, "*.*"),
            (Names{"A.txt", "Ab.bmp", "b.TXT", "c.bmp", "README", "_c.txt"}));
  EXPECT_EQ(ListDirectory(root, "*", EntryKind::kFolders), (Names{"aSub", "Sub"}));
  EXPECT_EQ(ListDirectory(root, "a*", EntryKind::kAll), (Names{"A.txt", "Ab.bmp", "aSub"}));
  EXPECT_EQ(ListDirectory(root + "SUB\\", "*"), (Names{"inner.txt"}));
  EXPECT_TRUE(ListDirectory(root + "Missing\\", "*").empty());
}

TEST(WildcardMatch, StarsAndQuestionMarks) {
  const struct {
    const char* pattern;
    const char* name;
    bool matches;
  } cases[] = {
      {"*", "", true},
      {"*.wav", "Engine.WAV", true},
      {"*.wav", "wav", false},
      {"a*b*c", "aXbYbZc", true},
      {"a*b*c", "aXbYc d", false},
      {"???", "ab", false},
      {"*.*", "noext", true},
      {"x.*", "x", true},
      {"x.*", "xy", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
  }
}

TEST_P(FileLayer, CopyAndRenameKeepContentPermissionsAndExistingFiles) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Bin/NGen.exe", "program");
  fs::permissions(root + "Bin/NGen.exe", fs::perms::owner_all);
  folder.Write("Game/ngen.exe", "old");
  folder.Write("c/squadrons.tavrek", "current");
  folder.Write("c/keepsquadrons.tavrek", "kept");

  EXPECT_FALSE(CopyFile(root + "bin\\ngen.EXE", root + "game\\NGEN.exe", true));
  EXPECT_EQ(folder.Read("Game/ngen.exe"), "old");
  EXPECT_TRUE(CopyFile(root + "bin\\ngen.EXE", root + "game\\NGEN.exe", false));
  EXPECT_EQ(folder.Read("Game/ngen.exe"), "program");
  EXPECT_EQ(fs::status(root + "Game/ngen.exe").permissions(), fs::perms::owner_all);
  EXPECT_FALSE(CopyFile(root + "bin\\missing.exe", root + "game\\x.exe", false));
  EXPECT_FALSE(CopyFile(root + "bin\\ngen.exe", root + "NoFolder\\x.exe", false));

  // A rename never replaces another file.
  EXPECT_FALSE(RenameFile(root + "c\\Squadrons.tavrek", root + "c\\keepsquadrons.tavrek"));
  EXPECT_EQ(folder.Read("c/keepsquadrons.tavrek"), "kept");
  EXPECT_TRUE(DeleteFile(root + "c\\keepsquadrons.tavrek"));
  EXPECT_TRUE(RenameFile(root + "C\\Squadrons.tavrek", root + "c\\keepsquadrons.tavrek"));
  EXPECT_EQ(folder.Read("c/keepsquadrons.tavrek"), "current");
  EXPECT_FALSE(fs::exists(root + "c/squadrons.tavrek"));
  EXPECT_FALSE(RenameFile(root + "c\\squadrons.tavrek", root + "c\\other.tavrek"));
}

TEST_P(FileLayer, TheMoveReplacesItsTargetAndTheFolderGoesWhole) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("c/squadrons.tavrek", "after");
  folder.Write("keep/1", "before");

  // Unlike a rename, the move replaces its target.
  EXPECT_TRUE(MoveFileReplacing(root + "KEEP\\1", root + "c\\SQUADRONS.tavrek"));
  EXPECT_EQ(folder.Read("c/squadrons.tavrek"), "before");
  EXPECT_FALSE(fs::exists(root + "keep/1"));
  EXPECT_FALSE(MoveFileReplacing(root + "keep\\1", root + "c\\squadrons.tavrek"));

  folder.Write("keep/sub/a", "a");
  EXPECT_TRUE(DeleteFolder(root + "KEEP"));
  EXPECT_FALSE(fs::exists(root + "keep"));
  EXPECT_TRUE(DeleteFolder(root + "keep"));
}

TEST(FolderCache, WhatAnOperationLearntHoldsUntilItEnds) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Data/Class.tavrek", "x");
  const std::string asked = root + "data\\CLASS.TAVREK";
  FolderCache cache;
  {
    const FolderCacheScope operation(cache);
    EXPECT_TRUE(FileExists(asked));
    // Renamed behind the program's back: the operation goes on with the folder as it saw it,
    // also after an inner scope of the same cache closes.
    fs::rename(root + "Data/Class.tavrek", root + "Data/class.TAVREK");
    { const FolderCacheScope inner(cache); }
    EXPECT_EQ(ResolvePath(asked), fs::path(root + "Data/Class.tavrek"));
  }
  // The next operation, and any look-up outside one, sees the disk as it is now.
  EXPECT_EQ(ResolvePath(asked), fs::path(root + "Data/class.TAVREK"));
  const FolderCacheScope next(cache);
  EXPECT_EQ(ResolvePath(asked), fs::path(root + "Data/class.TAVREK"));
  EXPECT_TRUE(FileExists(asked));
}

TEST(FolderCache, TheProgramsOwnChangesReachEveryCacheInUse) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Data/a.txt", "a");
  FolderCache outer_form, inner_form;
  const FolderCacheScope outer(outer_form);
  EXPECT_FALSE(FileExists(root + "DATA\\New.txt"));
  EXPECT_FALSE(DirectoryExists(root + "info\\"));
  {
    const FolderCacheScope inner(inner_form);
    EXPECT_FALSE(FileExists(root + "DATA\\New.txt"));
    WriteTextFile(root + "data\\new.TXT", "new");
    EXPECT_TRUE(FileExists(root + "DATA\\New.txt"));
    EXPECT_TRUE(RenameFile(root + "DATA", root + "Info"));
  }
  EXPECT_TRUE(DirectoryExists(root + "info\\"));
  EXPECT_EQ(ResolvePath(root + "INFO\\NEW.txt"), fs::path(root + "Info/new.TXT"));
  EXPECT_FALSE(FileExists(root + "data\\a.txt"));
  EXPECT_TRUE(DeleteFile(root + "info\\A.TXT"));
  EXPECT_FALSE(FileExists(root + "Info/a.txt"));
  EXPECT_TRUE(ForceDirectories(root + "info\\deeper\\deepest\\"));
  EXPECT_TRUE(DirectoryExists(root + "INFO\\Deeper\\DEEPEST"));
}

// A path found once is not looked up again, until the program changes a folder on its way.
TEST(FolderCache, APathIsFoundAgainAfterAChangeOnItsWay) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Campaign/pilot.tavrek", "p");
  FolderCache cache;
  const FolderCacheScope operation(cache);
  const std::string photo = root + "campaign\\Photos\\Ivan.bmp";
  const auto found = [&] { return ResolvePath(photo).string().substr(root.size()); };

  EXPECT_EQ(found(), "Campaign/Photos/Ivan.bmp");
  ASSERT_TRUE(ForceDirectories(root + "CAMPAIGN\\photos\\"));
  EXPECT_EQ(found(), "Campaign/photos/Ivan.bmp");
  WriteTextFile(root + "Campaign\\photos\\IVAN.BMP", "bmp");
  EXPECT_EQ(found(), "Campaign/photos/IVAN.BMP");
  EXPECT_TRUE(FileExists(photo));
  ASSERT_TRUE(DeleteFile(photo));
  EXPECT_EQ(found(), "Campaign/photos/Ivan.bmp");
  EXPECT_FALSE(FileExists(photo));
  ASSERT_TRUE(DeleteFolder(root + "campaign\\photos"));
  EXPECT_EQ(found(), "Campaign/Photos/Ivan.bmp");
}

TEST(PathTexts, FolderAndFileParts) {
  EXPECT_EQ(ExtractFilePath("C:\\Games\\IL2\\il2fb.exe"), "C:\\Games\\IL2\\");
  EXPECT_EQ(ExtractFilePath("/opt/tavrek/data\\class.tavrek"), "/opt/tavrek/data\\");
  EXPECT_EQ(ExtractFilePath("C:file"), "C:");
  EXPECT_EQ(ExtractFilePath("file"), "");
  EXPECT_EQ(ExtractFileName("Missions\\Campaign/RU\\campaign.ini"), "campaign.ini");
  EXPECT_EQ(ExtractFileName("Folder\\"), "");
  EXPECT_FALSE(ExecutableFolder().empty());
  EXPECT_EQ(ExecutableFolder().back(), '/');
}

}  // namespace

// What an operation answers from the folders it listed is what the disk answers, also after the
// program's own changes. The disk's answers are asked on a thread of their own, outside every
// scope.
TEST(FolderCache, AnswersFromListingsEqualTheDisksAfterTheProgramsOwnChanges) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Data/Class.tavrek", "c");
  folder.Write("Data/Sub/inner.txt", "i");
  fs::create_symlink(root + "Data/Sub", root + "Data/Linked");
  const std::vector<std::string> asked = {
      "data\\class.tavrek",  "Data\\Class.tavrek\\",    "DATA\\sub\\",    "data\\sub\\inner.TXT",
      "Data\\linked\\",      "data\\Linked\\INNER.txt", "data\\new.txt",  "data\\New\\",
      "Data\\Sub\\more.txt", "Data\\Moved.tavrek",      "Nowhere\\x.txt", "data\\nowhere\\x.txt"};
  struct Answer {
    bool file, folder;
    fs::path path;
    bool operator==(const Answer&) const = default;
  };
  const auto answers = [&] {
    std::vector<Answer> all;
    for (const std::string& text : asked) {
      all.push_back(
          {FileExists(root + text), DirectoryExists(root + text), ResolvePath(root + text)});
    }
    return all;
  };
  const auto from_disk = [&] { return std::async(std::launch::async, answers).get(); };

  FolderCache cache;
  const FolderCacheScope operation(cache);
  EXPECT_EQ(ListDirectory(root + "data", "*", EntryKind::kAll).size(), 3u);
  const std::vector<std::function<void()>> changes = {
      [] {},
      [&] { WriteTextFile(root + "DATA\\New.txt", "n"); },
      [&] { ASSERT_TRUE(CreateDir(root + "data\\NEW")); },
      [&] { ASSERT_TRUE(RenameFile(root + "data\\class.tavrek", root + "data\\Moved.tavrek")); },
      [&] {
        ASSERT_TRUE(CopyFile(root + "data\\moved.tavrek", root + "data\\sub\\More.txt", true));
      },
      [&] { ASSERT_TRUE(MoveFileReplacing(root + "data\\sub\\more.txt", root + "data\\new.txt")); },
      [&] { ASSERT_TRUE(DeleteFile(root + "data\\moved.tavrek")); },
      [&] { ASSERT_TRUE(DeleteFolder(root + "data\\sub")); },
  };
  for (size_t step = 0; step < changes.size(); ++step) {
    changes[step]();
    const std::vector<Answer> cached = answers();
    const std::vector<Answer> disk = from_disk();
    for (size_t i = 0; i < asked.size(); ++i) {
      EXPECT_EQ(cached[i], disk[i]) << "step " << step << ": " << asked[i];
    }
  }
}

// Someone else's new file is not seen by the operation that listed its folder before, and is
// seen by the next one.
TEST(FolderCache, AFileMadeBySomeoneElseIsSeenOnceTheOperationEnds) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Data/class.tavrek", "c");
  FolderCache cache;
  {
    const FolderCacheScope operation(cache);
    EXPECT_FALSE(FileExists(root + "DATA\\squadids.tavrek"));
    folder.Write("Data/SquadIDs.tavrek", "s");
    EXPECT_FALSE(FileExists(root + "data\\squadids.tavrek"));
  }
  const FolderCacheScope next(cache);
  EXPECT_TRUE(FileExists(root + "data\\squadids.tavrek"));
  EXPECT_EQ(ResolvePath(root + "DATA\\SQUADIDS.tavrek"), fs::path(root + "Data/SquadIDs.tavrek"));
}

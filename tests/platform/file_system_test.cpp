#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

// A game-like tree: folders in their installed case, and two folders that differ only in case.
class GameTree : public ::testing::Test {
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

TEST_F(GameTree, ResolvesEachPartWithoutRegardToCase) {
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

TEST_F(GameTree, ExistenceTestsAndFoldersFollowTheResolution) {
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

TEST(CopyAndRename, KeepContentPermissionsAndExistingFiles) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("Bin/NGen.exe", "program");
  fs::permissions(root + "Bin/NGen.exe", fs::perms::owner_all);
  folder.Write("Game/ngen.exe", "old");

  EXPECT_FALSE(CopyFile(root + "bin\\ngen.EXE", root + "game\\NGEN.exe", true));
  EXPECT_EQ(folder.Read("Game/ngen.exe"), "old");
  EXPECT_TRUE(CopyFile(root + "bin\\ngen.EXE", root + "game\\NGEN.exe", false));
  EXPECT_EQ(folder.Read("Game/ngen.exe"), "program");
  EXPECT_EQ(fs::status(root + "Game/ngen.exe").permissions(), fs::perms::owner_all);
  EXPECT_FALSE(CopyFile(root + "bin\\missing.exe", root + "game\\x.exe", false));
  EXPECT_FALSE(CopyFile(root + "bin\\ngen.exe", root + "NoFolder\\x.exe", false));

  folder.Write("c/squadrons.tavrek", "current");
  folder.Write("c/keepsquadrons.tavrek", "kept");
  // A rename never replaces another file.
  EXPECT_FALSE(RenameFile(root + "c\\Squadrons.tavrek", root + "c\\keepsquadrons.tavrek"));
  EXPECT_EQ(folder.Read("c/keepsquadrons.tavrek"), "kept");
  EXPECT_TRUE(DeleteFile(root + "c\\keepsquadrons.tavrek"));
  EXPECT_TRUE(RenameFile(root + "C\\Squadrons.tavrek", root + "c\\keepsquadrons.tavrek"));
  EXPECT_EQ(folder.Read("c/keepsquadrons.tavrek"), "current");
  EXPECT_FALSE(fs::exists(root + "c/squadrons.tavrek"));
  EXPECT_FALSE(RenameFile(root + "c\\squadrons.tavrek", root + "c\\other.tavrek"));
}

TEST(MoveAndRemove, TheMoveReplacesItsTargetAndTheFolderGoesWhole) {
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

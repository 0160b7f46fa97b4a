#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/support/test_world.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

TEST(SplitTextLines, LineEndsAndTheEndOfText) {
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\ntwo", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\rtwo\r", {"one", "two"}},
      {"one\n\ntwo", {"one", "", "two"}},
      {"one\r\r\ntwo", {"one", "", "two"}},
      {"\n", {""}},
      {"one\r\ntwo\x1a\r\nthree\r\n", {"one", "two"}},
      {"\x1a"
       "one",
       {}},
      {"K\xF6ln \xE9t\xE9\r\n", {"K\xF6ln \xE9t\xE9"}},
      // A UTF-8 byte-order mark is skipped at the start of the text, and only there.
      {"\xEF\xBB\xBF[II_JG520]\r\n", {"[II_JG520]"}},
      {"one\r\n\xEF\xBB\xBFtwo", {"one", "\xEF\xBB\xBFtwo"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

// Every character looked at in turn: the plain reading of where lines end.
Lines SplitCharacterByCharacter(std::string_view text) {
  Lines lines;
  std::string current;
  bool open = false;
  for (size_t i = 0; i < text.size() && text[i] != '\x1a'; ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(current);
      current.clear();
      open = false;
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += text[i];
      open = true;
    }
  }
  if (open) lines.push_back(current);
  return lines;
}

TEST(SplitTextLines, AgreesWithACharacterByCharacterSplitOnRandomText) {
  std::mt19937 random(11);
  const std::string alphabet = "ab \r\n\r\n\r\x1a";
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 40, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    EXPECT_EQ(SplitTextLines(text), SplitCharacterByCharacter(text))
        << testing::PrintToString(text);
  }
}

TEST(TextFiles, ReadThroughAnyCaseAndWriteWhole) {
  TempFolder folder;
  folder.Write("Data/Messages.tavrek", "[English]\r\nHello\nWorld\x1a junk");
  EXPECT_EQ(ReadTextLines(folder.Path() + "data\\MESSAGES.tavrek"),
            (Lines{"[English]", "Hello", "World"}));
  EXPECT_THROW(ReadTextLines(folder.Path() + "data\\missing.tavrek"), FileError);
  EXPECT_THROW(ReadFileBytes(folder.Path() + "Data"), FileError);

  const std::string text = JoinLinesCrLf({"a", "", "b"});
  EXPECT_EQ(text, "a\r\n\r\nb\r\n");
  WriteTextFile(folder.Path() + "DATA\\new.tavrek", text);
  EXPECT_EQ(folder.Read("Data/new.tavrek"), text);

  // Replacing keeps the file's permissions and leaves no temporary file behind.
  fs::permissions(folder.Path() + "Data/new.tavrek",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  WriteTextFile(folder.Path() + "data\\NEW.tavrek", "second");
  EXPECT_EQ(folder.Read("Data/new.tavrek"), "second");
  EXPECT_EQ(fs::status(folder.Path() + "Data/new.tavrek").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(ListDirectory(folder.Path() + "Data", "*"), (Lines{"Messages.tavrek", "new.tavrek"}));
}

TEST(TextFiles, WritingThroughALinkKeepsTheLink) {
  TempFolder folder;
  folder.Write("real/tavrek.ini", "old");
  fs::create_symlink(folder.Path() + "real/tavrek.ini", folder.Path() + "link.ini");
  WriteTextFile(folder.Path() + "LINK.ini", "new");
  EXPECT_TRUE(fs::is_symlink(folder.Path() + "link.ini"));
  EXPECT_EQ(folder.Read("real/tavrek.ini"), "new");
}

// A file replaced gets a new inode; one left alone keeps its own.
TEST(TextFiles, WritingTheBytesAFileHoldsLeavesItAlone) {
  TempFolder folder;
  const std::string file = folder.Path() + "Data/pilot.tavrek";
  folder.Write("Data/pilot.tavrek", "abc\r\n");
  const auto inode = [&file] {
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0);
    return info.st_ino;
  };
  // Several times the piece a comparison reads at once, one byte changed where asked.
  const auto large = [](size_t changed) {
    std::string text(3 * 65536 + 17, ' ');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
    if (changed < text.size()) text[changed] = '#';
    return text;
  };
  constexpr size_t kNone = std::string::npos;
  const struct {
    std::string content;
    bool replaced;
  } cases[] = {
      {"abc\r\n", false},
      {"abd\r\n", true},   // same size, other bytes
      {"abd\r\nx", true},  // the same bytes and more
      {"abd\r\n", true},   // fewer
      {"", true},
      {"", false},
      {large(kNone), true},
      {large(kNone), false},
      {large(3 * 65536 + 16), true},  // only the very last byte differs
      {large(3 * 65536 + 16), false},
      {large(65537), true},        // a byte only a later read reaches
      {large(65536), true},        // the last byte the first read reaches
      {large(kNone) + "z", true},  // a byte more
      {large(kNone), true},
  };
  for (const auto& c : cases) {
    const auto before = inode();
    WriteTextFile(folder.Path() + "DATA\\Pilot.tavrek", c.content);
    EXPECT_EQ(folder.Read("Data/pilot.tavrek"), c.content);
    EXPECT_EQ(inode() != before, c.replaced) << "\"" << c.content << "\"";
  }

  // A copy's permissions are a change of their own, even over the same bytes.
  folder.Write("Data/source.tavrek", "");
  fs::permissions(folder.Path() + "Data/source.tavrek", fs::perms::owner_read);
  EXPECT_TRUE(CopyFile(folder.Path() + "Data/source.tavrek", file, false));
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read);
}

TEST(TextFiles, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  TempFolder folder;
  const std::string root = folder.Path();
  folder.Write("c/campaign.tavrek", "old campaign");
  EXPECT_THROW(WriteTextFile(root + "Missing\\campaign.tavrek", "x"), FileError);
  EXPECT_THROW(WriteTextFile(root + "c\\campaign.tavrek\\inner.txt", "x"), FileError);
  EXPECT_THROW(WriteTextFile(root + "c", "x"), FileError);  // a folder stands there
  EXPECT_FALSE(fs::exists(root + "Missing"));

  // The disk fills up half-way: the file size limit stands in for it (also for root).
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool failed = false;
  try {
    WriteTextFile(root + "C\\CAMPAIGN.tavrek", std::string(4096, 'n'));
  } catch (const FileError&) {
    failed = true;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, saved_handler);

  EXPECT_TRUE(failed);
  EXPECT_EQ(folder.Read("c/campaign.tavrek"), "old campaign");
  EXPECT_EQ(ListDirectory(root + "c", "*", EntryKind::kAll), (Lines{"campaign.tavrek"}));
}

}  // namespace

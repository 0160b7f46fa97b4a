#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/errors.h"
#include "platform/file_read_cache.h"
#include "platform/folder_cache.h"
#include "platform/text_file.h"
#include "tests/support/test_world.h"

namespace {

std::vector<std::string> Collected(const TextLines& lines) {
  std::vector<std::string> collected;
  for (const std::string_view line : lines) collected.emplace_back(line);
  return collected;
}

TEST(TextLines, SplitAsTheLineListAndStayValidWhenMoved) {
  for (const std::string text :
       {"", "one", "a\r\nb\r\n", "a\rb\r", "a\n\nb", "a\r\r\nb", "\n", "a\r\nb\x1a\r\nc",
        "\x1a"
        "a",
        "short\r\nK\xF6ln\r\nlast line without an end"}) {
    TextLines lines(text);
    const TextLines moved = std::move(lines);
    EXPECT_EQ(Collected(moved), SplitTextLines(text)) << text;
  }
}

TEST(TextLines, LinesPastTheLastReadAsEmpty) {
  const TextLines lines(std::string("a\r\nb\r\n"));
  EXPECT_EQ(lines.LineOrEmpty(1), "b");
  EXPECT_EQ(lines.LineOrEmpty(2), "");
}

TEST(TextLines, ReadFromAFileAsTheLineListReadsIt) {
  TempFolder folder;
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "[A" + std::to_string(i) + " to B]\r\n1.00 2.00 3\n";
  const std::string path = folder.Write("big.rds", text);
  EXPECT_EQ(Collected(ReadTextLineViews(path)), ReadTextLines(path));
  EXPECT_EQ(ReadFileBytes(path), text);
  EXPECT_THROW(ReadTextLineViews(folder.Path() + "missing.rds"), FileError);
}

TEST(FileReadCache, WithinAScopeAFileIsReadOnceWhileItStaysTheSame) {
  TempFolder folder;
  const std::string path = folder.Write("armor.tavrek", "T34\r\n");
  FileReadCache cache;
  const auto outside = cache.Lines(path);
  EXPECT_NE(cache.Lines(path), outside) << "outside a scope every read goes to the disk";
  {
    const FileReadScope scope(cache);
    const auto first = cache.Lines(path);
    EXPECT_EQ(cache.Lines(path), first);
    {
      const FileReadScope inner(cache);
      EXPECT_EQ(cache.Lines(path), first);
    }
    EXPECT_EQ(cache.Lines(path), first) << "an inner scope keeps the outer one's files";
    WriteTextFile(path, "T34_85\r\n");
    const auto changed = cache.Lines(path);
    ASSERT_EQ(changed->size(), 1u);
    EXPECT_EQ((*changed)[0], "T34_85");
    ::unlink(path.c_str());
    EXPECT_THROW(cache.Lines(path), FileError);
  }
}

}  // namespace

namespace {

unsigned long long InodeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_ino;
}

}  // namespace

TEST(FileReadCache, AFileChangedInPlaceBySomeoneElseIsReadAnew) {
  TempFolder folder;
  const std::string path = folder.Write("armor.tavrek", "T34\r\n");
  FileReadCache cache;
  const FileReadScope scope(cache);
  ASSERT_EQ(cache.Lines(path)->size(), 1u);
  folder.Write("armor.tavrek", "T34\r\nKV1\r\n");
  EXPECT_EQ(Collected(*cache.Lines(path)), (std::vector<std::string>{"T34", "KV1"}));
}

// Within an operation, writing the bytes a file was seen to hold leaves it alone, as long as the
// file was not changed since; a change by someone else, even of the same size, is written over.
TEST(TextFiles, AnOperationWritesOverAFileChangedSinceItWasSeen) {
  TempFolder folder;
  const std::string path = folder.Write("tavrek.ini", "abc\r\n");
  const std::string asked = folder.Path() + "TAVREK.INI";
  // Old enough for its times to tell every later change.
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  FolderCache folders;
  const FolderCacheScope operation(folders);
  const auto inode = InodeOf(path);
  WriteTextFile(asked, "abc\r\n");
  WriteTextFile(asked, "abc\r\n");
  EXPECT_EQ(InodeOf(path), inode);
  folder.Write("tavrek.ini", "xyz\r\n");
  WriteTextFile(asked, "abc\r\n");
  EXPECT_EQ(folder.Read("tavrek.ini"), "abc\r\n");
  // Just written: changed again within the same clock tick, it keeps its times.
  WriteTextFile(asked, "abc\r\n");
  folder.Write("tavrek.ini", "xyz\r\n");
  WriteTextFile(asked, "abc\r\n");
  EXPECT_EQ(folder.Read("tavrek.ini"), "abc\r\n");
}

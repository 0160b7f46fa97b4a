#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"
#include "platform/file_read_cache.h"
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

TEST(ReplaceFileTail, WritesOverTheEndOnlyWhenTheFileHasTheExpectedSize) {
  TempFolder folder;
  const std::string path = folder.Write("log.txt", "one\r\n\r\n");
  EXPECT_TRUE(ReplaceFileTail(path, 7, 5, "two\r\n\r\n"));
  EXPECT_EQ(folder.Read("log.txt"), "one\r\ntwo\r\n\r\n");
  EXPECT_FALSE(ReplaceFileTail(path, 7, 5, "three\r\n\r\n"));
  EXPECT_EQ(folder.Read("log.txt"), "one\r\ntwo\r\n\r\n");
  EXPECT_FALSE(ReplaceFileTail(folder.Path() + "missing.txt", 0, 0, "x"));
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

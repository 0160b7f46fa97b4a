// The byte rules of the line layer, without a socket: what the loopback tests cannot pin down
// (partial reads of a line, echo, the exact tail kept while skipping an over-long line).

#include "tcp_listener/line_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kCrLf = "\r\n";

// Receives the chunks as the line layer does with the system's settings (editing on, limit
// 255) and answers the lines taken, whole.
std::vector<std::string> LinesOf(const std::vector<std::string>& chunks, LineBuffer& buffer) {
  std::vector<std::string> lines;
  for (const std::string& chunk : chunks) {
    buffer.Append(chunk, true, false, kCrLf.size());
    while (buffer.OfferLine(kCrLf)) {
      std::string line(buffer.LineLength(), '\0');
      buffer.Take(line.data(), line.size());
      lines.push_back(line);
    }
    if (buffer.ExceedsLimit(255)) buffer.Discard(true);
  }
  return lines;
}

}  // namespace

TEST(LineBuffer, AHandlerMayTakeItsLineInPieces) {
  LineBuffer buffer;
  buffer.Append("hello\r\nrest", false, false, kCrLf.size());
  ASSERT_TRUE(buffer.OfferLine(kCrLf));
  ASSERT_EQ(buffer.LineLength(), 7u);
  char piece[4] = {};
  EXPECT_EQ(buffer.Take(piece, 4), 4u);
  EXPECT_EQ(std::string(piece, 4), "hell");
  EXPECT_EQ(buffer.LineLength(), 3u);
  // Still on offer: the rest of the line, never a byte of what follows it.
  EXPECT_TRUE(buffer.OfferLine(kCrLf));
  char rest[16] = {};
  EXPECT_EQ(buffer.Take(rest, sizeof rest), 3u);
  EXPECT_EQ(std::string(rest, 3), "o\r\n");
  EXPECT_EQ(buffer.Pending(), "rest");
  EXPECT_FALSE(buffer.OfferLine(kCrLf));
}

TEST(LineBuffer, EchoesWhatATerminalWouldShow) {
  LineBuffer buffer;
  EXPECT_EQ(buffer.Append("ab\b\tc", true, true, kCrLf.size()), "ab\b \b       c");
  EXPECT_EQ(buffer.Pending(), "a       c");
  // Without editing the bytes come back as they are.
  LineBuffer plain;
  EXPECT_EQ(plain.Append("x\by", false, true, kCrLf.size()), "x\by");
  // A backspace with nothing before it takes nothing back and shows nothing.
  LineBuffer empty;
  EXPECT_EQ(empty.Append("\b", true, true, kCrLf.size()), "");
}

TEST(LineBuffer, KeepsOnlyAPossibleLineEndWhileSkippingAnOverlongLine) {
  LineBuffer buffer;
  buffer.Append(std::string(300, 'x'), true, false, kCrLf.size());
  ASSERT_FALSE(buffer.OfferLine(kCrLf));
  ASSERT_TRUE(buffer.ExceedsLimit(255));
  buffer.Discard(true);
  buffer.Append("more of it\r", true, false, kCrLf.size());
  EXPECT_FALSE(buffer.OfferLine(kCrLf));
  EXPECT_EQ(buffer.Pending(), "\r");
  // The line end completes; the line after it is a line of its own.
  EXPECT_EQ(LinesOf({"\nnext\r\n"}, buffer), std::vector<std::string>{"next\r\n"});
  EXPECT_FALSE(buffer.SkippingToLineEnd());
}

TEST(LineBuffer, OffersTheRestAtCloseButNotTheTailOfAThrownAwayLine) {
  LineBuffer buffer;
  buffer.Append("XYZ", true, false, kCrLf.size());
  ASSERT_TRUE(buffer.OfferRest());
  EXPECT_EQ(buffer.LineLength(), 3u);

  LineBuffer skipping;
  skipping.Discard(true);
  skipping.Append("tail of a long line", true, false, kCrLf.size());
  EXPECT_FALSE(skipping.OfferLine(kCrLf));
  EXPECT_FALSE(skipping.OfferRest());
  EXPECT_EQ(skipping.PendingCount(), 0u);
}

TEST(LineBuffer, AnEditFindsALineEndItCompletes) {
  LineBuffer buffer;
  // "\r" pending, then a backspace takes it back and a new "\r\n" follows.
  EXPECT_EQ(LinesOf({"ab\r", "\b\r\n"}, buffer), std::vector<std::string>{"ab\r\n"});
  EXPECT_EQ(LinesOf({"x\r", "\n"}, buffer), std::vector<std::string>{"x\r\n"});
}

TEST(LineBuffer, LimitCountsOnlyBytesWithoutALineEnd) {
  LineBuffer buffer;
  buffer.Append(std::string(255, 'a'), true, false, kCrLf.size());
  EXPECT_FALSE(buffer.ExceedsLimit(255));
  buffer.Append("a", true, false, kCrLf.size());
  EXPECT_TRUE(buffer.ExceedsLimit(255));
  EXPECT_FALSE(buffer.ExceedsLimit(0));  // no limit
}

// Feeds arbitrary bytes, cut into arbitrary receives, through the line rules of the listener's
// line layer, and checks what must hold whatever arrives: every line handed on ends at its
// first line end, edited lines hold no backspace or tab, the bytes kept stay within the
// limit, and without editing or a limit nothing is lost or made up.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tcp_listener/line_buffer.h"

namespace {

const std::string kCrLf = "\r\n";

void Check(bool condition) {
  if (!condition) std::abort();
}

// A small generator for cut points, so that one input always gives the same receives.
struct Cuts {
  std::uint32_t state;
  std::size_t Next(std::size_t most) {
    state = state * 1664525u + 1013904223u;
    return 1 + (state >> 16) % most;
  }
};

std::string TakeLine(LineBuffer& buffer, Cuts& cuts) {
  std::string line;
  while (buffer.LineLength() > 0) {
    char piece[64];
    const std::size_t want = cuts.Next(sizeof piece);
    const std::size_t before = buffer.LineLength();
    const std::size_t got = buffer.Take(piece, want);
    Check(got == std::min(want, before));
    line.append(piece, got);
  }
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const bool edit = data[0] & 1;
  const bool echo = data[0] & 2;
  constexpr int kLimits[] = {0, 1, 16, 255};
  const int limit = kLimits[(data[0] >> 2) & 3];
  Cuts cuts{data[1]};
  const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);

  LineBuffer buffer;
  std::string handed_on;
  std::size_t position = 0;
  while (position < input.size()) {
    const std::string_view chunk = input.substr(position, cuts.Next(96));
    position += chunk.size();
    const std::string echoed = buffer.Append(chunk, edit, echo, kCrLf.size());
    Check(echo || echoed.empty());
    Check(edit || !echo || echoed == chunk);
    while (buffer.OfferLine(kCrLf)) {
      const std::string line = TakeLine(buffer, cuts);
      Check(line.size() >= kCrLf.size() && line.find(kCrLf) == line.size() - kCrLf.size());
      Check(!edit || line.find_first_of("\b\t") == std::string::npos);
      handed_on += line;
    }
    if (buffer.ExceedsLimit(limit)) buffer.Discard(true);
    if (buffer.SkippingToLineEnd()) {
      Check(buffer.PendingCount() < kCrLf.size());
    } else {
      Check(buffer.Pending().find(kCrLf) == std::string_view::npos);
      Check(limit <= 0 || buffer.PendingCount() <= static_cast<std::size_t>(limit));
    }
  }
  if (buffer.OfferRest()) {
    const std::string rest = TakeLine(buffer, cuts);
    Check(rest.find(kCrLf) == std::string::npos);
    handed_on += rest;
  }
  Check(buffer.PendingCount() == 0);
  if (!edit && limit == 0) Check(handed_on == input);
  return 0;
}

#pragma once

#include <string_view>

// Editors that save as UTF-8 may put the three bytes EF BB BF before the text. They are no
// part of it: left in, they would join the first name or shift the first fixed-column line.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
  return text;
}

#pragma once

#include <string>

#include "platform/text_file.h"

// Whether one of the CR LF lines of `text` ends with `tail` (the start of a debriefing line is
// the rank name, which the roster's nation gives).
inline bool HasLineEnding(const std::string& text, const std::string& tail) {
  for (const std::string& line : SplitTextLines(text)) {
    if (line.size() >= tail.size() &&
        line.compare(line.size() - tail.size(), tail.size(), tail) == 0) {
      return true;
    }
  }
  return false;
}

inline int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

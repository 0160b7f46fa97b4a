#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "tests/support/reference_fixture.h"

// Helpers for the tests of the reference data files (class, payload, armour, map files); the
// fixture's files come from tests/support/reference_fixture.h.

// A fixed-column line: each text placed at its 1-based column, blanks between, `width` columns
// at least.
inline std::string ColumnLine(std::initializer_list<std::pair<int, std::string>> fields,
                              size_t width = 0) {
  std::string line(width, ' ');
  for (const auto& [column, text] : fields) {
    const size_t start = static_cast<size_t>(column - 1);
    if (line.size() < start + text.size()) line.resize(start + text.size(), ' ');
    line.replace(start, text.size(), text);
  }
  return line;
}

#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/test_world.h"

// Helpers for the tests of the reference data files (class, payload, armour, map files).

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

// The bytes of a file of the reference-data fixture (tests/fixtures/tables3/data/).
inline std::string ReferenceFixture(const std::string& name) {
  std::ifstream in(FixturesFolder() + "tables3/data/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Places the fixture's class and payload files in the program's data folder.
inline void InstallReferenceFixture(const TestWorld& world) {
  for (const char* name : {"class.tavrek", "payloads.tavrek", "allpayloads.tavrek"}) {
    world.program_folder.Write(std::string("data/") + name, ReferenceFixture(name));
  }
}

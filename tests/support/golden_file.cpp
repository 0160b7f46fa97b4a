#include "tests/support/golden_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string GoldenPath(const std::string& name) {
  return std::string(TAVREK_FIXTURES_DIR) + "/goldens/" + name;
}

bool UpdateRequested() {
  const char* value = std::getenv("TAVREK_UPDATE_GOLDENS");
  return value != nullptr && std::string(value) == "1";
}

// Lines split after each LF, so a line keeps its own end and a CR shows.
std::vector<std::string> LinesWithEnds(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    const size_t stop = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, stop - start));
    start = stop;
  }
  return lines;
}

std::string Visible(const std::string& line) {
  std::string shown;
  for (const char c : line) {
    if (c == '\r') {
      shown += "\\r";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (static_cast<unsigned char>(c) < ' ') {
      shown += "\\x" + std::to_string(static_cast<int>(c));
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

std::string GoldenDifference(const std::string& expected, const std::string& actual,
                             int max_lines) {
  const std::vector<std::string> want = LinesWithEnds(expected);
  const std::vector<std::string> got = LinesWithEnds(actual);
  size_t first = 0;
  while (first < want.size() && first < got.size() && want[first] == got[first]) ++first;
  std::ostringstream out;
  out << "first difference at line " << first + 1 << " (golden " << want.size()
      << " lines, written " << got.size() << " lines)\n";
  for (size_t n = first; n < first + static_cast<size_t>(max_lines); ++n) {
    if (n >= want.size() && n >= got.size()) break;
    const std::string w = n < want.size() ? Visible(want[n]) : "<none>";
    const std::string g = n < got.size() ? Visible(got[n]) : "<none>";
    if (w == g) {
      out << "  " << n + 1 << "   " << w << "\n";
    } else {
      out << "- " << n + 1 << "   " << w << "\n+ " << n + 1 << "   " << g << "\n";
    }
  }
  return out.str();
}

::testing::AssertionResult MatchesGolden(const std::string& actual,
                                         const std::string& golden_name) {
  const std::string path = GoldenPath(golden_name);
  if (UpdateRequested()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << actual;
    return ::testing::AssertionSuccess() << "rewrote " << path;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return ::testing::AssertionFailure()
           << "no golden file " << path << " (run with TAVREK_UPDATE_GOLDENS=1 to write it)";
  }
  std::ostringstream expected;
  expected << file.rdbuf();
  if (expected.str() == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << golden_name << " differs: " << GoldenDifference(expected.str(), actual);
}

std::string WithPlaceholder(std::string text, const std::string& folder,
                            const std::string& placeholder) {
  if (folder.empty()) return text;
  for (size_t at = text.find(folder); at != std::string::npos;
       at = text.find(folder, at + placeholder.size())) {
    text.replace(at, folder.size(), placeholder);
  }
  return text;
}

#include "tests/support/golden_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
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

// FNV-1a of the bytes, 64 bits, as 16 hexadecimal digits.
std::string Fingerprint(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string GoldenFileName(const std::string& path) {
  std::string name = path;
  std::replace(name.begin(), name.end(), '/', '_');
  return name;
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

::testing::AssertionResult MatchesFolderGoldens(const FileTree& files,
                                                const std::vector<std::string>& compared,
                                                const std::string& name, const std::string& folder,
                                                const std::string& placeholder) {
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  std::string digest;
  for (const auto& [path, bytes] : files) {
    const std::string text = WithPlaceholder(bytes, folder, placeholder);
    if (std::find(compared.begin(), compared.end(), path) == compared.end()) {
      digest += path + " " + std::to_string(text.size()) + " " + Fingerprint(text) + "\n";
      continue;
    }
    if (auto matched = MatchesGolden(text, name + "/" + GoldenFileName(path)); !matched) {
      result = ::testing::AssertionFailure() << result.message() << matched.message() << "\n";
    }
  }
  for (const std::string& path : compared) {
    if (files.count(path) == 0) {
      result = ::testing::AssertionFailure() << result.message() << "no file " << path << "\n";
    }
  }
  if (auto matched = MatchesGolden(digest, name + "/digest.txt"); !matched) {
    result = ::testing::AssertionFailure() << result.message() << matched.message() << "\n";
  }
  return result;
}

#include "platform/text_file.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace fs = std::filesystem;

std::string ReadFileBytes(std::string_view path) {
  const fs::path resolved = ResolvePath(path);
  std::error_code ec;
  if (!fs::is_regular_file(resolved, ec)) {
    throw FileError("File not found: " + std::string(path));
  }
  std::ifstream in(resolved, std::ios::binary);
  if (!in) throw FileError("Cannot open file: " + std::string(path));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError("Cannot read file: " + std::string(path));
  return bytes;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  const size_t eof_mark = text.find('\x1a');
  if (eof_mark != std::string_view::npos) text = text.substr(0, eof_mark);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.emplace_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> ReadTextLines(std::string_view path) {
  return SplitTextLines(ReadFileBytes(path));
}

void WriteTextFile(std::string_view path, std::string_view content) {
  static std::atomic<unsigned> sequence{0};
  const fs::path target = ResolvePath(path);
  fs::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(sequence++);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("Cannot create file: " + std::string(path));
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw FileError("Cannot write file: " + std::string(path));
    }
  }
  std::error_code ec;
  fs::rename(temporary, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileError("Cannot write file: " + std::string(path) + " (" + ec.message() + ")");
  }
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

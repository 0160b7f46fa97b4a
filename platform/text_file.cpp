#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/byte_order_mark.h"
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
  text = WithoutByteOrderMark(text);
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

namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

[[noreturn]] void Fail(const std::string& what, std::string_view path, int error) {
  throw FileError(what + std::string(path) + " (" + std::strerror(error) + ")");
}

}  // namespace

void WriteFileWithMode(std::string_view path, std::string_view content,
                       std::optional<fs::perms> mode) {
  static std::atomic<unsigned> sequence{0};
  fs::path target = ResolvePath(path);
  std::error_code ec;
  // Through a link to the file it names, so the link stays.
  if (fs::is_symlink(target, ec)) {
    fs::path linked = fs::canonical(target, ec);
    if (!ec) target = std::move(linked);
  }
  if (!mode) {
    const fs::file_status existing = fs::status(target, ec);
    if (!ec && fs::is_regular_file(existing)) mode = existing.permissions();
  }
  fs::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(sequence++);

  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) Fail("Cannot create file: ", path, errno);
  const bool written = (!mode || ::fchmod(fd, static_cast<mode_t>(*mode & fs::perms::mask)) == 0) &&
                       WriteAll(fd, content);
  const int write_error = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const int error = written ? errno : write_error;
    ::unlink(temporary.c_str());
    Fail("Cannot write file: ", path, error);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail("Cannot write file: ", path, error);
  }
}

void WriteTextFile(std::string_view path, std::string_view content) {
  WriteFileWithMode(path, content, std::nullopt);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

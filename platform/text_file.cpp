#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/byte_order_mark.h"
#include "platform/crash_point.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/folder_cache.h"

namespace fs = std::filesystem;

namespace {

// Reads what the descriptor still holds, starting with the size the file had when opened; a
// file that grows or shrinks meanwhile is read to its end all the same.
bool ReadAll(int fd, size_t expected, std::string& bytes) {
  bytes.resize(expected + 1);
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

FileStamp StampOf(const struct stat& info) {
  return FileStamp{
      static_cast<unsigned long long>(info.st_dev),  static_cast<unsigned long long>(info.st_ino),
      static_cast<unsigned long long>(info.st_size), static_cast<unsigned>(info.st_mode),
      static_cast<long long>(info.st_mtim.tv_sec),   static_cast<long long>(info.st_mtim.tv_nsec),
      static_cast<long long>(info.st_ctim.tv_sec),   static_cast<long long>(info.st_ctim.tv_nsec)};
}

bool StampOfPath(const fs::path& resolved, FileStamp& stamp) {
  struct stat info {};
  if (::stat(resolved.c_str(), &info) != 0) return false;
  stamp = StampOf(info);
  return true;
}

namespace {

// The file whole, with its stamp when opened; `check_after` also looks whether it changed while
// being read.
StampedBytes ReadWhole(std::string_view path, bool check_after) {
  const fs::path resolved = ResolvePath(path);
  const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool exists = fd >= 0 || errno != ENOENT;
    if (fd >= 0) ::close(fd);
    std::error_code ec;
    if (!exists || !fs::is_regular_file(resolved, ec)) {
      throw FileError("File not found: " + std::string(path));
    }
    throw FileError("Cannot open file: " + std::string(path));
  }
  StampedBytes read;
  read.stamp = StampOf(info);
  const bool complete = ReadAll(fd, static_cast<size_t>(info.st_size), read.bytes);
  read.unchanged =
      check_after && complete && ::fstat(fd, &info) == 0 && StampOf(info) == read.stamp;
  ::close(fd);
  if (!complete) throw FileError("Cannot read file: " + std::string(path));
  return read;
}

}  // namespace

StampedBytes ReadStampedFileBytes(std::string_view path) {
  return ReadWhole(path, true);
}

std::string ReadFileBytes(std::string_view path) {
  return std::move(ReadWhole(path, false).bytes);
}

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
  const std::string_view text(bytes_);
  ForEachTextLine(text, [&](std::string_view line) {
    spans_.push_back(Span{static_cast<size_t>(line.data() - text.data()), line.size()});
  });
}

TextLines ReadTextLineViews(std::string_view path) {
  return TextLines(ReadFileBytes(path));
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachTextLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
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

namespace {

bool HasMode(const struct stat& info, std::optional<fs::perms> mode) {
  return !mode || static_cast<mode_t>(*mode & fs::perms::mask) ==
                      (info.st_mode & static_cast<mode_t>(fs::perms::mask));
}

// What the descriptor still holds is `content` and no more. A file that differs mostly does so
// early (a roster in a new order), so it is compared a piece at a time and left at the first
// difference.
bool HoldsExactly(int fd, std::string_view content) {
  constexpr size_t kPiece = size_t{1} << 16;
  // One byte more than is left to compare: a file that grew since fstat is not the same. The
  // read fills the piece, so it is not cleared first.
  const size_t piece_size = std::min(content.size(), kPiece) + 1;
  const auto piece = std::make_unique_for_overwrite<char[]>(piece_size);
  size_t compared = 0;
  for (;;) {
    const size_t wanted = std::min(piece_size, content.size() - compared + 1);
    const ssize_t n = ::read(fd, piece.get(), wanted);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return compared == content.size();
    const auto got = static_cast<size_t>(n);
    if (got > content.size() - compared ||
        std::memcmp(piece.get(), content.data() + compared, got) != 0) {
      return false;
    }
    compared += got;
  }
}

// The regular file at `target` holds exactly `content` (and, when `mode` is set, has those
// permissions), so writing it again would change nothing. Its stamp is given when it does.
bool HoldsAlready(const fs::path& target, std::string_view content, std::optional<fs::perms> mode,
                  FileStamp& stamp) {
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<size_t>(info.st_size) == content.size() && HasMode(info, mode);
  if (same) {
    same = HoldsExactly(fd, content);
    stamp = StampOf(info);
  }
  ::close(fd);
  return same;
}

// File times advance in steps of a clock tick: a file changed within the last moments may change
// again without a new stamp, so its content is not taken as known.
bool RecentlyChanged(const FileStamp& stamp) {
  constexpr long long kTickMarginNs = 50'000'000;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const long long now_ns = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
  // The change time moves with every write, and with every change of name or permissions.
  const long long changed_ns = stamp.changed_s * 1'000'000'000LL + stamp.changed_ns;
  return now_ns - changed_ns < kTickMarginNs;
}

// The same answer from what the operation's folder cache saw of the file, when it still has the
// stamp it had then; `link_info` is what lstat told of the target.
bool KnownToHold(const fs::path& target, const struct stat& link_info, std::string_view content,
                 std::optional<fs::perms> mode) {
  FolderCache* const cache = FolderCacheScope::Current();
  return cache != nullptr && S_ISREG(link_info.st_mode) && HasMode(link_info, mode) &&
         cache->HoldsContent(target, StampOf(link_info), content);
}

}  // namespace

void WriteFileWithMode(std::string_view path, std::string_view content,
                       std::optional<fs::perms> mode) {
  static std::atomic<unsigned> sequence{0};
  fs::path target = ResolvePath(path);
  std::error_code ec;
  struct stat link_info {};
  const bool found = ::lstat(target.c_str(), &link_info) == 0;
  // Through a link to the file it names, so the link stays.
  if (found && S_ISLNK(link_info.st_mode)) {
    fs::path linked = fs::canonical(target, ec);
    if (!ec) target = std::move(linked);
  }
  // Replacing a file by the same bytes costs a rename that makes the file system flush, and
  // changes nothing: it is left as it is.
  if (found && KnownToHold(target, link_info, content, mode)) return;
  FileStamp stamp;
  if (HoldsAlready(target, content, mode, stamp)) {
    FolderCache* const cache = FolderCacheScope::Current();
    if (cache != nullptr && !RecentlyChanged(stamp)) cache->RememberContent(target, stamp, content);
    return;
  }
  if (!mode && found && S_ISREG(link_info.st_mode)) {
    mode = static_cast<fs::perms>(link_info.st_mode) & fs::perms::mask;
  } else if (!mode) {
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
  FolderCacheScope::NoteChange(target);
  FileChanged();
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

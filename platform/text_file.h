#pragma once

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_order_mark.h"

struct stat;

// Text files as the game and this program write them: 8-bit text (Windows-1252, kept as
// bytes), lines ended by CR LF (LF or a lone CR accepted on reading), a Ctrl-Z ending the
// text early.

// The whole file as bytes, read with one sized read; throws FileError when it cannot be read.
std::string ReadFileBytes(std::string_view path);

// What tells one state of a file from another: which file it is, its size, permissions and
// modification and change times. A write or a replacement changes the stamp.
struct FileStamp {
  unsigned long long device = 0, inode = 0, size = 0;
  unsigned mode = 0;
  long long modified_s = 0, modified_ns = 0, changed_s = 0, changed_ns = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const struct stat& info);
// The stamp of the file at a resolved path; false when there is none.
bool StampOfPath(const std::filesystem::path& resolved, FileStamp& stamp);

// ReadFileBytes that also tells the file's stamp when it was opened, and whether the file still
// had that stamp once read (false: it changed while being read).
struct StampedBytes {
  std::string bytes;
  FileStamp stamp;
  bool unchanged = false;
};
StampedBytes ReadStampedFileBytes(std::string_view path);

// A text read whole, with its lines (up to a Ctrl-Z, without their line ends) as views into
// the bytes it owns; splitting copies no line. Views stay valid while the object lives, also
// after it is moved or copied.
class TextLines {
 public:
  TextLines() = default;
  explicit TextLines(std::string bytes);

  size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  std::string_view operator[](size_t line) const {
    return std::string_view(bytes_).substr(spans_[line].start, spans_[line].length);
  }
  // Lines past the last read as empty.
  std::string_view LineOrEmpty(size_t line) const {
    return line < spans_.size() ? (*this)[line] : std::string_view();
  }
  const std::string& Bytes() const { return bytes_; }

  class Iterator {
   public:
    Iterator(const TextLines& text, size_t line) : text_(&text), line_(line) {}
    std::string_view operator*() const { return (*text_)[line_]; }
    Iterator& operator++() {
      ++line_;
      return *this;
    }
    bool operator==(const Iterator& other) const = default;

   private:
    const TextLines* text_;
    size_t line_;
  };
  Iterator begin() const { return Iterator(*this, 0); }
  Iterator end() const { return Iterator(*this, spans_.size()); }

 private:
  struct Span {
    size_t start;
    size_t length;
  };
  std::string bytes_;
  std::vector<Span> spans_;
};

// The file's text as TextLines; throws FileError when it cannot be read.
TextLines ReadTextLineViews(std::string_view path);
// Calls `line` with each line of the text, up to a Ctrl-Z, without its line end; a UTF-8
// byte-order mark at its start is no part of the first line.
template <typename LineFunction>
void ForEachTextLine(std::string_view text, LineFunction line);

// The file's text up to a Ctrl-Z, split into lines without their line ends; a UTF-8
// byte-order mark at its start is no part of the first line.
std::vector<std::string> ReadTextLines(std::string_view path);
std::vector<std::string> SplitTextLines(std::string_view text);

// Writes the file whole: the bytes go to a temporary file beside it, which then replaces the
// file, so a failure never leaves half a file behind. A file replaced keeps its permissions.
// A file that already holds exactly these bytes is not touched: that is no change to it.
// Throws FileError on failure.
void WriteTextFile(std::string_view path, std::string_view content);
// The same, giving the file the permissions `mode` (those of a copy's source) when set.
void WriteFileWithMode(std::string_view path, std::string_view content,
                       std::optional<std::filesystem::perms> mode);

// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

inline constexpr std::string_view kCrLf = "\r\n";

template <typename LineFunction>
void ForEachTextLine(std::string_view text, LineFunction line) {
  text = WithoutByteOrderMark(text);
  const size_t eof_mark = text.find('\x1a');
  if (eof_mark != std::string_view::npos) text = text.substr(0, eof_mark);
  // A line ends at CR, LF or CR LF. The next LF is found once and kept, and each CR is looked
  // for only before it, so text of lone CRs is still read in one pass.
  const char* next = text.data();
  const char* const end = next + text.size();
  const char* newline = nullptr;
  while (next < end) {
    if (newline == nullptr || newline < next) {
      const void* found = std::memchr(next, '\n', static_cast<size_t>(end - next));
      newline = found != nullptr ? static_cast<const char*>(found) : end;
    }
    const void* found = std::memchr(next, '\r', static_cast<size_t>(newline - next));
    const char* const stop = found != nullptr ? static_cast<const char*>(found) : newline;
    line(std::string_view(next, static_cast<size_t>(stop - next)));
    if (stop == end) break;
    next = stop + 1;
    if (*stop == '\r' && next < end && *next == '\n') ++next;
  }
}

#pragma once

#include <string>
#include <vector>

// Sequential reader over a data file's lines, matching how campaign files are read: reading
// beyond the last line yields an empty string, so a truncated record at the file's end simply
// gets empty values for the lines it lacks.
class LineCursor {
 public:
  explicit LineCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  const std::string& Next() {
    if (AtEnd()) read_past_end_ = true;
    last_ = AtEnd() ? std::string() : lines_[next_++];
    return last_;
  }
  // Some Next() found no line left: a record was cut short by the end of the file.
  bool ReadPastEnd() const { return read_past_end_; }
  // The line read last.
  const std::string& Last() const { return last_; }
  // The 1-based number of the line read last.
  int LineNumber() const { return static_cast<int>(next_); }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
  std::string last_;
  bool read_past_end_ = false;
};

#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_read_cache.h"

// What went wrong while a data file was read into its table: text the reader never reached, a
// last line cut short, lines the loader could not use, more entries than the table holds. A
// table read from such a file is not the whole file, so saving it over the file would lose
// what the table lacks (see damaged_files.h).
class FileReadReport {
 public:
  bool WholeAndClean() const { return faults_.empty() && refused_ == 0; }
  // The faults in words, joined by "; " ("its last line is cut short; line 7 was refused").
  std::string Faults() const;

  void Add(std::string fault);
  // A line the loader skipped or refused; the first few are named, the rest counted.
  void Refused(int line_number, const std::string& why);

 private:
  std::vector<std::string> faults_;
  std::vector<std::string> refused_lines_;
  int refused_ = 0;
};

// What the bytes of a text file say about it: a Ctrl-Z followed by more text, or text that
// ends inside a line. A Ctrl-Z at the very end (an old editor's end mark) is no fault.
FileReadReport InspectFileText(std::string_view bytes);

// A text file's lines, read once per operation through `reads`, together with the report on
// its bytes.
struct InspectedTextFile {
  std::shared_ptr<const TextLines> text = std::make_shared<const TextLines>();
  FileReadReport report;
  const TextLines& lines() const { return *text; }
  // The lines as strings of their own, for parsers that keep or change them.
  std::vector<std::string> LineCopies() const;
};
InspectedTextFile ReadInspectedTextFile(FileReadCache& reads, std::string_view path);

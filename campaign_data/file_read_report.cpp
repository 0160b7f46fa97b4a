#include "campaign_data/file_read_report.h"

#include "campaign_data/text.h"
#include "platform/text_file.h"

#include <utility>

namespace {

constexpr char kEndOfTextMark = '\x1a';
constexpr size_t kRefusedLinesNamed = 3;

bool IsBlankByte(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == kEndOfTextMark;
}

}  // namespace

std::string FileReadReport::Faults() const {
  std::vector<std::string> all = faults_;
  all.insert(all.end(), refused_lines_.begin(), refused_lines_.end());
  const int unnamed = refused_ - static_cast<int>(refused_lines_.size());
  if (unnamed > 0) all.push_back(IntToStr(unnamed) + " more lines were refused");
  std::string text;
  for (const std::string& fault : all) {
    if (!text.empty()) text += "; ";
    text += fault;
  }
  return text;
}

void FileReadReport::Add(std::string fault) {
  faults_.push_back(std::move(fault));
}

void FileReadReport::Refused(int line_number, const std::string& why) {
  ++refused_;
  if (refused_lines_.size() < kRefusedLinesNamed) {
    refused_lines_.push_back("line " + IntToStr(line_number) + " " + why);
  }
}

FileReadReport InspectFileText(std::string_view bytes) {
  FileReadReport report;
  std::string_view text = bytes;
  if (const size_t mark = bytes.find(kEndOfTextMark); mark != std::string_view::npos) {
    text = bytes.substr(0, mark);
    for (char c : bytes.substr(mark)) {
      if (IsBlankByte(c)) continue;
      report.Add("it stops at a Ctrl-Z at byte " + IntToStr(static_cast<long long>(mark) + 1) +
                 " with more text after it");
      break;
    }
  }
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') {
    report.Add("its last line is cut short (no line end)");
  }
  return report;
}

std::vector<std::string> InspectedTextFile::LineCopies() const {
  std::vector<std::string> copies;
  copies.reserve(text->size());
  for (const std::string_view line : *text) copies.emplace_back(line);
  return copies;
}

InspectedTextFile ReadInspectedTextFile(FileReadCache& reads, std::string_view path) {
  std::shared_ptr<const TextLines> text = reads.Lines(path);
  FileReadReport report = InspectFileText(text->Bytes());
  return InspectedTextFile{std::move(text), std::move(report)};
}

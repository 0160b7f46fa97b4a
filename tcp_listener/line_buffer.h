#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The bytes a line-mode socket has received and not yet handed on, and the rules by which
// lines are cut from them: terminal-style editing (backspace, tab), the search for the line
// end, the line on offer to the data handler, and the throwing away of an over-long line.
// Pure byte work, with no socket, so it can be tested and fuzzed on its own.
class LineBuffer {
 public:
  std::size_t PendingCount() const { return data_.size() - begin_; }
  std::string_view Pending() const { return std::string_view(data_).substr(begin_); }
  // Length of the line on offer, its line end included; 0 when none is.
  std::size_t LineLength() const { return line_length_; }
  // The pending bytes were thrown away in the middle of a line; what follows up to the next
  // line end belongs to that line and goes too.
  bool SkippingToLineEnd() const { return skipping_; }

  // Adds bytes just received. With edit, a backspace takes back the byte before it (also one
  // received earlier and still pending, never one of a line already handed on) and a tab
  // becomes blanks up to the next multiple of 8 columns. Answers what a terminal echo sends
  // back when echo is on. The next line-end search starts just before the first new or
  // changed byte, so a line end split between two receives is found.
  std::string Append(std::string_view received, bool edit, bool echo, std::size_t line_end_length);
  // The next search covers every pending byte (they waited unframed while line mode was off).
  void SearchFromStart() { search_from_ = 0; }

  // Puts the next complete line on offer; true when a line is on offer (one offered earlier
  // and not taken yet counts).
  bool OfferLine(std::string_view line_end);
  // Copies up to size bytes from the front into out: of the line on offer when there is one,
  // else of the pending bytes. Answers how many were copied.
  std::size_t Take(char* out, std::size_t size);
  // Throws the rest of the line on offer away.
  void DropOfferedLine();
  // Offers the unterminated rest as a last line; false when there is nothing to offer (or
  // only the tail of a line already thrown away).
  bool OfferRest();

  // True when more than limit bytes wait without a line end (a limit of 0 or less: never).
  bool ExceedsLimit(int limit) const {
    return limit > 0 && PendingCount() > static_cast<std::size_t>(limit);
  }
  // Throws every pending byte away; with skip_to_line_end the rest of that line goes too.
  void Discard(bool skip_to_line_end);
  // Forgets everything (the connection is over).
  void Clear();

 private:
  void Compact();
  void Consume(std::size_t count);

  std::string data_;
  std::size_t begin_ = 0;        // bytes before it are handed on
  std::size_t search_from_ = 0;  // relative to begin_
  std::size_t line_length_ = 0;
  bool skipping_ = false;
};

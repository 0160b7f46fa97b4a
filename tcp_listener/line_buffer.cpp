#include "tcp_listener/line_buffer.h"

#include <algorithm>

namespace {

constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr std::size_t kTabWidth = 8;

std::size_t StartBefore(std::size_t position, std::size_t length) {
  return position >= length ? position - length : 0;
}

}  // namespace

void LineBuffer::Compact() {
  data_.erase(0, begin_);
  begin_ = 0;
}

void LineBuffer::Consume(std::size_t count) {
  count = std::min(count, PendingCount());
  begin_ += count;
  search_from_ = search_from_ > count ? search_from_ - count : 0;
  if (begin_ == data_.size()) {
    data_.clear();
    begin_ = 0;
  }
}

std::string LineBuffer::Append(std::string_view received, bool edit, bool echo,
                               std::size_t line_end_length) {
  Compact();
  const std::size_t old_count = data_.size();
  data_.append(received);
  std::string echoed;
  if (!edit) {
    if (echo) echoed.assign(received);
    search_from_ = StartBefore(old_count, line_end_length);
    return echoed;
  }

  std::string edited;  // the buffer as edited, once the first backspace or tab is met
  bool editing = false;
  std::size_t output = old_count;
  std::size_t first_change = old_count;
  for (std::size_t input = old_count; input < data_.size(); ++input) {
    const char byte = data_[input];
    if (byte == kBackspace || byte == kTab) {
      if (!editing) {
        editing = true;
        edited.assign(data_, 0, output);
      }
      if (byte == kBackspace) {
        if (echo && output >= 1) echoed += "\b \b";
        if (output > 0) {
          --output;
          edited.resize(output);
          first_change = std::min(first_change, output);
        }
      } else {
        do {
          edited.push_back(' ');
          if (echo) echoed.push_back(' ');
          ++output;
        } while (output % kTabWidth != 0);
      }
      continue;
    }
    if (echo) echoed.push_back(byte);
    if (editing) edited.push_back(byte);
    ++output;
  }
  if (editing) data_ = std::move(edited);
  search_from_ = StartBefore(first_change, line_end_length);
  return echoed;
}

bool LineBuffer::OfferLine(std::string_view line_end) {
  if (line_length_ > 0) return true;
  if (line_end.empty()) return false;
  if (skipping_) {
    const std::size_t end = Pending().find(line_end, search_from_);
    if (end == std::string_view::npos) {
      // Only a line end begun at the very back can still complete.
      Consume(StartBefore(PendingCount(), line_end.size() - 1));
      search_from_ = 0;
      return false;
    }
    Consume(end + line_end.size());
    skipping_ = false;
    search_from_ = 0;
  }
  const std::size_t end = Pending().find(line_end, search_from_);
  if (end == std::string_view::npos) return false;
  line_length_ = end + line_end.size();
  return true;
}

std::size_t LineBuffer::Take(char* out, std::size_t size) {
  const std::size_t available = line_length_ > 0 ? line_length_ : PendingCount();
  const std::size_t count = std::min(size, available);
  std::copy_n(data_.data() + begin_, count, out);
  if (line_length_ > 0) line_length_ -= count;
  Consume(count);
  return count;
}

void LineBuffer::DropOfferedLine() {
  Consume(line_length_);
  line_length_ = 0;
}

bool LineBuffer::OfferRest() {
  if (line_length_ > 0) return true;
  if (skipping_ || PendingCount() == 0) {
    Clear();
    return false;
  }
  line_length_ = PendingCount();
  return true;
}

void LineBuffer::Discard(bool skip_to_line_end) {
  data_.clear();
  begin_ = 0;
  search_from_ = 0;
  line_length_ = 0;
  skipping_ = skip_to_line_end;
}

void LineBuffer::Clear() {
  Discard(false);
}

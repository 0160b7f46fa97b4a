#include "tcp_listener/sock_buf.h"

#include <algorithm>

TBuffer::TBuffer(int size) : data_(static_cast<std::size_t>(size < 1 ? kDefaultSize : size)) {}

void TBuffer::SetBufSize(int size) {
  if (size < 1) size = kDefaultSize;
  if (size == BufSize()) return;
  if (write_count_ > read_count_) {
    std::vector<char> resized(static_cast<std::size_t>(size));
    const int kept = std::min(write_count_, size);
    std::copy_n(data_.begin(), kept, resized.begin());
    data_ = std::move(resized);
    write_count_ = kept;
    read_count_ = std::min(read_count_, kept);
  } else {
    data_.assign(static_cast<std::size_t>(size), 0);
    write_count_ = 0;
    read_count_ = 0;
  }
}

int TBuffer::Write(const char* data, int len) {
  const int free_space = BufSize() - write_count_;
  if (free_space < 1 || len < 1) return 0;
  const int taken = std::min(free_space, len);
  std::copy_n(data, taken, data_.begin() + write_count_);
  write_count_ += taken;
  return taken;
}

const char* TBuffer::Peek(int& len) const {
  len = write_count_ - read_count_;
  if (len <= 0) {
    len = 0;
    return nullptr;
  }
  return data_.data() + read_count_;
}

int TBuffer::Remove(int len) {
  const int removed = std::clamp(len, 0, write_count_ - read_count_);
  read_count_ += removed;
  if (read_count_ >= write_count_) {
    read_count_ = 0;
    write_count_ = 0;
  }
  return removed;
}

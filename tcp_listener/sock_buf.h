#pragma once

#include <vector>

// A chunk of a socket's outgoing queue: data is appended at the back and sent from the front.
// Invariant: 0 <= read count <= write count <= buffer size. When all written data has gone out,
// both counts are reset to 0 so the chunk can be reused.
class TBuffer {
 public:
  static constexpr int kDefaultSize = 1514;

  explicit TBuffer(int size);

  int BufSize() const { return static_cast<int>(data_.size()); }
  int WriteCount() const { return write_count_; }
  int ReadCount() const { return read_count_; }

  // A size below 1 means the default; bytes not yet sent are kept.
  void SetBufSize(int size);
  // Copies as many of the bytes as fit; answers how many were taken.
  int Write(const char* data, int len);
  // The bytes not yet sent and their count; nullptr and 0 when there are none.
  const char* Peek(int& len) const;
  // Marks up to len bytes as sent; answers how many were.
  int Remove(int len);

 private:
  std::vector<char> data_;
  int write_count_ = 0;
  int read_count_ = 0;
};

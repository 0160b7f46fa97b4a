#pragma once

#include <string>
#include <vector>

#include "platform/errors.h"

// A table of the campaign: a fixed number of entries sharing one index, as the data files
// number them. An index outside the table is an error, never a write past its end.
template <typename Entry, int Capacity>
class FixedTable {
 public:
  static constexpr int kCapacity = Capacity;

  FixedTable() : entries_(Capacity) {}

  Entry& operator[](int index) { return entries_[Checked(index)]; }
  const Entry& operator[](int index) const { return entries_[Checked(index)]; }
  static bool Contains(int index) { return index >= 0 && index < Capacity; }
  void Clear() {
    for (Entry& entry : entries_) entry = Entry{};
  }

 private:
  static size_t Checked(int index) {
    if (!Contains(index)) {
      throw ProgramError("Table index " + std::to_string(index) + " outside 0.." +
                         std::to_string(Capacity - 1) + ".");
    }
    return static_cast<size_t>(index);
  }
  std::vector<Entry> entries_;
};

#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/errors.h"

// A table of the campaign: a fixed number of entries sharing one index, as the data files
// number them. An index outside the table is an error, never a write past its end.
//
// Only the entries a campaign writes are stored: they sit side by side from index 0 up to the
// highest index written so far. Every entry beyond reads as the blank entry (an empty one unless
// ForEachEntry changed it), so a table reads as if all of its entries were there. The address
// space for the whole capacity is set aside at the first write, so stored entries never move: a
// reference to an entry stays valid while the table grows, as it did when every entry existed,
// and the machine backs only the pages that hold entries.
//
// Reads through the non-const operator[] store the entry they reach; loops that only read use a
// const table (std::as_const) so that reading far past the used entries costs nothing.
template <typename Entry, int Capacity>
class FixedTable {
 public:
  static constexpr int kCapacity = Capacity;

  FixedTable() = default;
  // A copy sets aside the whole capacity too, so its entries stay in place as it grows.
  FixedTable(const FixedTable& other)
      : blank_(other.blank_), blank_is_empty_(other.blank_is_empty_) {
    CopyEntries(other);
  }
  FixedTable& operator=(const FixedTable& other) {
    if (this != &other) {
      blank_ = other.blank_;
      blank_is_empty_ = other.blank_is_empty_;
      CopyEntries(other);
      ChangeAll();
    }
    return *this;
  }
  FixedTable(FixedTable&&) noexcept = default;
  // The count goes on from the higher of the two, so that no index built on either table
  // takes the moved entries for the ones it was built on.
  FixedTable& operator=(FixedTable&& other) noexcept {
    if (this != &other) {
      entries_ = std::move(other.entries_);
      blank_ = std::move(other.blank_);
      blank_is_empty_ = other.blank_is_empty_;
      changes_ = std::max(changes_, other.changes_);
      ChangeAll();
    }
    return *this;
  }

  Entry& operator[](int index) {
    const size_t at = Checked(index);
    ++changes_;
    lowest_changed_ = std::min(lowest_changed_, index);
    if (at >= entries_.size()) Grow(at + 1);
    return entries_[at];
  }
  const Entry& operator[](int index) const {
    const size_t at = Checked(index);
    return at < entries_.size() ? entries_[at] : blank_;
  }
  static bool Contains(int index) { return index >= 0 && index < Capacity; }

  // Every entry empty again; the storage is kept for the next load.
  void Clear() {
    entries_.clear();
    blank_ = Entry{};
    blank_is_empty_ = true;
    ChangeAll();
  }

  // Applies `change` to every entry of the table, stored or not.
  template <typename Change>
  void ForEachEntry(Change change) {
    for (Entry& entry : entries_) change(entry);
    change(blank_);
    blank_is_empty_ = false;
    ChangeAll();
  }

  // Entries 0..StoredCount()-1 are stored; every one after reads as the blank entry.
  int StoredCount() const { return static_cast<int>(entries_.size()); }

  // Grows with every access that may change an entry; an index over the table that was built
  // at one count is still current while the count is the same.
  std::uint64_t Changes() const { return changes_; }

  // The lowest index that may have changed since the count was `changes`, which an index over
  // the first entries uses to tell that only entries beyond its own changed. The table follows
  // one such span at a time, from the last WatchChangesFromNow; for an earlier count, or one
  // it does not follow, the answer is 0: anything may have changed.
  int LowestChangedSince(std::uint64_t changes) const {
    if (changes < watched_from_ || changes > changes_) return 0;
    return lowest_changed_;
  }
  void WatchChangesFromNow() const {
    watched_from_ = changes_;
    lowest_changed_ = INT_MAX;
  }

 private:
  static size_t Checked(int index) {
    if (!Contains(index)) {
      throw ProgramError("Table index " + std::to_string(index) + " outside 0.." +
                         std::to_string(Capacity - 1) + ".");
    }
    return static_cast<size_t>(index);
  }
  void ChangeAll() {
    ++changes_;
    lowest_changed_ = 0;
  }
  void CopyEntries(const FixedTable& other) {
    if (!other.entries_.empty() && entries_.capacity() < static_cast<size_t>(Capacity)) {
      entries_.reserve(static_cast<size_t>(Capacity));
    }
    entries_.assign(other.entries_.begin(), other.entries_.end());
  }
  void Grow(size_t count) {
    if (entries_.capacity() < static_cast<size_t>(Capacity)) {
      entries_.reserve(static_cast<size_t>(Capacity));
    }
    // An empty entry is made in place; copying one field by field costs several times more.
    if (blank_is_empty_) {
      entries_.resize(count);
    } else {
      entries_.resize(count, blank_);
    }
  }

  std::vector<Entry> entries_;
  Entry blank_{};
  bool blank_is_empty_ = true;  // blank_ is Entry{}: no ForEachEntry changed it
  std::uint64_t changes_ = 0;
  // What WatchChangesFromNow follows: a mark on the table, not part of its contents.
  mutable std::uint64_t watched_from_ = 0;
  mutable int lowest_changed_ = 0;
};

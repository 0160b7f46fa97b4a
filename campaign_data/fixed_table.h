#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/errors.h"

// A table of the campaign: a fixed number of entries sharing one index, as the data files
// number them. An index outside the table is an error, never a write past its end.
//
// Only the entries a campaign writes are stored: from index 0 up to the highest index written so
// far. Every entry beyond reads as the blank entry (an empty one unless ForEachEntry changed it),
// so a table reads as if all of its entries were there. Entries are kept in blocks of a fixed
// number, each with the room for all of them set aside at its first write, so stored entries
// never move: a reference to an entry stays valid while the table grows, as it did when every entry
// existed. Blocks are small enough for the allocator to hand out memory freed earlier (by the
// tables of a window closed before), where one reservation for the whole capacity would be
// fresh pages each time.
//
// Reads through the non-const operator[] store the entry they reach; loops that only read use a
// const table (std::as_const) so that reading far past the used entries costs nothing.
template <typename Entry, int Capacity>
class FixedTable {
 public:
  static constexpr int kCapacity = Capacity;

  FixedTable() = default;
  FixedTable(const FixedTable& other) : blank_(other.blank_) { CopyEntries(other); }
  FixedTable& operator=(const FixedTable& other) {
    if (this != &other) {
      blank_ = other.blank_;
      CopyEntries(other);
      ChangeAll();
    }
    return *this;
  }
  FixedTable(FixedTable&& other) noexcept
      : blocks_(std::move(other.blocks_)),
        size_(std::exchange(other.size_, 0)),
        blank_(std::move(other.blank_)),
        changes_(other.changes_) {}
  // The count goes on from the higher of the two, so that no index built on either table
  // takes the moved entries for the ones it was built on.
  FixedTable& operator=(FixedTable&& other) noexcept {
    if (this != &other) {
      blocks_ = std::move(other.blocks_);
      size_ = std::exchange(other.size_, 0);
      blank_ = std::move(other.blank_);
      changes_ = std::max(changes_, other.changes_);
      ChangeAll();
    }
    return *this;
  }

  Entry& operator[](int index) {
    const size_t at = Checked(index);
    ++changes_;
    lowest_changed_ = std::min(lowest_changed_, index);
    if (at >= size_) Grow(at + 1);
    return At(at);
  }
  const Entry& operator[](int index) const {
    const size_t at = Checked(index);
    return at < size_ ? At(at) : blank_;
  }
  static bool Contains(int index) { return index >= 0 && index < Capacity; }

  // Every entry empty again; the blocks are kept for the next load.
  void Clear() {
    for (Block& block : blocks_) block.clear();
    size_ = 0;
    blank_ = Entry{};
    ChangeAll();
  }

  // Applies `change` to every entry of the table, stored or not.
  template <typename Change>
  void ForEachEntry(Change change) {
    for (size_t at = 0; at < size_; ++at) change(At(at));
    change(blank_);
    ChangeAll();
  }

  // Entries 0..StoredCount()-1 are stored; every one after reads as the blank entry.
  int StoredCount() const { return static_cast<int>(size_); }

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
  // Entries per block: as many as fit in 64 KiB, rounded down to a power of two so that an
  // index splits into block and place by a shift and a mask; no more than a small table holds.
  static constexpr size_t kBlockEntries =
      std::min(std::bit_floor(std::max<size_t>(1, (size_t{64} << 10) / sizeof(Entry))),
               std::bit_ceil(static_cast<size_t>(Capacity)));
  static constexpr int kBlockShift = std::countr_zero(kBlockEntries);
  static constexpr size_t kBlockCount =
      (static_cast<size_t>(Capacity) + kBlockEntries - 1) / kBlockEntries;
  // A block holds the room for all its entries from its first one on, so it never moves them.
  using Block = std::vector<Entry>;

  static size_t Checked(int index) {
    if (!Contains(index)) {
      throw ProgramError("Table index " + std::to_string(index) + " outside 0.." +
                         std::to_string(Capacity - 1) + ".");
    }
    return static_cast<size_t>(index);
  }
  Entry& At(size_t at) { return blocks_[at >> kBlockShift][at & (kBlockEntries - 1)]; }
  const Entry& At(size_t at) const { return blocks_[at >> kBlockShift][at & (kBlockEntries - 1)]; }
  void ChangeAll() {
    ++changes_;
    lowest_changed_ = 0;
  }
  static void MakeRoom(Block& block) {
    if (block.capacity() < kBlockEntries) block.reserve(kBlockEntries);
  }
  // Entries up to `count` stored, each new one a copy of the blank entry.
  void Grow(size_t count) {
    while (size_ < count) {
      Block& block = blocks_[size_ >> kBlockShift];
      MakeRoom(block);
      const size_t filled = std::min(count - (size_ & ~(kBlockEntries - 1)), kBlockEntries);
      block.resize(filled, blank_);
      size_ = (size_ & ~(kBlockEntries - 1)) + filled;
    }
  }
  void CopyEntries(const FixedTable& other) {
    for (size_t b = 0; b < kBlockCount; ++b) {
      const Block& from = other.blocks_[b];
      Block& to = blocks_[b];
      if (!from.empty()) MakeRoom(to);
      to.assign(from.begin(), from.end());
    }
    size_ = other.size_;
  }

  std::array<Block, kBlockCount> blocks_;
  size_t size_ = 0;
  Entry blank_{};
  std::uint64_t changes_ = 0;
  // What WatchChangesFromNow follows: a mark on the table, not part of its contents.
  mutable std::uint64_t watched_from_ = 0;
  mutable int lowest_changed_ = 0;
};

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
// so a table reads as if all of its entries were there. Stored entries never move: a reference
// to an entry stays valid while the table grows, as it did when every entry existed. They are
// kept in blocks of a fixed number of entries, the room for a whole block set aside at its first
// write. The first few blocks are made one by one: they are small enough for the allocator to
// give back memory freed earlier (by the tables of a window closed before), where a reservation
// for the whole capacity would be fresh pages each time. A table that outgrows them sets aside
// the room for all the other blocks at once, as large campaigns fill it.
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
  // Moved blocks keep their entries where they are, so the block addresses stay right.
  FixedTable(FixedTable&& other) noexcept
      : first_blocks_(std::move(other.first_blocks_)),
        other_blocks_(std::move(other.other_blocks_)),
        block_starts_(other.block_starts_),
        size_(std::exchange(other.size_, 0)),
        blank_(std::move(other.blank_)),
        changes_(other.changes_) {}
  // The count goes on from the higher of the two, so that no index built on either table
  // takes the moved entries for the ones it was built on.
  FixedTable& operator=(FixedTable&& other) noexcept {
    if (this != &other) {
      first_blocks_ = std::move(other.first_blocks_);
      other_blocks_ = std::move(other.other_blocks_);
      block_starts_ = other.block_starts_;
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

  // Every entry empty again; the room is kept for the next load.
  void Clear() {
    for (Block& block : first_blocks_) block.clear();
    other_blocks_.clear();
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
  using Block = std::vector<Entry>;
  // Entries per block: as many as fit in 64 KiB, rounded down to a power of two so that an
  // index splits into block and place by a shift and a mask; no more than a small table holds.
  static constexpr size_t kBlockEntries =
      std::min(std::bit_floor(std::max<size_t>(1, (size_t{64} << 10) / sizeof(Entry))),
               std::bit_ceil(static_cast<size_t>(Capacity)));
  static constexpr int kBlockShift = std::countr_zero(kBlockEntries);
  static constexpr size_t kBlockCount =
      (static_cast<size_t>(Capacity) + kBlockEntries - 1) / kBlockEntries;
  static constexpr size_t kFirstBlocks = std::min<size_t>(kBlockCount, 8);
  static constexpr size_t kFirstEntries = kFirstBlocks * kBlockEntries;
  static constexpr size_t kOtherEntries =
      static_cast<size_t>(Capacity) > kFirstEntries ? Capacity - kFirstEntries : 0;

  static size_t Checked(int index) {
    if (!Contains(index)) {
      throw ProgramError("Table index " + std::to_string(index) + " outside 0.." +
                         std::to_string(Capacity - 1) + ".");
    }
    return static_cast<size_t>(index);
  }
  Entry& At(size_t at) { return block_starts_[at >> kBlockShift][at & (kBlockEntries - 1)]; }
  const Entry& At(size_t at) const {
    return block_starts_[at >> kBlockShift][at & (kBlockEntries - 1)];
  }
  void ChangeAll() {
    ++changes_;
    lowest_changed_ = 0;
  }
  // The room for first block `b`, set aside unless it is there; it never moves after.
  void MakeFirstBlockRoom(size_t b) {
    Block& block = first_blocks_[b];
    if (block.capacity() < kBlockEntries) block.reserve(kBlockEntries);
    block_starts_[b] = block.data();
  }
  // The room for every block after the first ones, in one reservation.
  void MakeOtherBlocksRoom() {
    if (other_blocks_.capacity() < kOtherEntries) other_blocks_.reserve(kOtherEntries);
    for (size_t b = kFirstBlocks; b < kBlockCount; ++b) {
      block_starts_[b] = other_blocks_.data() + (b - kFirstBlocks) * kBlockEntries;
    }
  }
  // Entries up to `count` stored, each new one a copy of the blank entry.
  void Grow(size_t count) {
    while (size_ < count && size_ < kFirstEntries) {
      const size_t b = size_ >> kBlockShift;
      MakeFirstBlockRoom(b);
      const size_t block_start = b * kBlockEntries;
      const size_t filled = std::min(count - block_start, kBlockEntries);
      first_blocks_[b].resize(filled, blank_);
      size_ = block_start + filled;
    }
    if (size_ < count) {
      MakeOtherBlocksRoom();
      other_blocks_.resize(count - kFirstEntries, blank_);
      size_ = count;
    }
  }
  void CopyEntries(const FixedTable& other) {
    for (size_t b = 0; b < kFirstBlocks; ++b) {
      const Block& from = other.first_blocks_[b];
      if (!from.empty()) MakeFirstBlockRoom(b);
      first_blocks_[b].assign(from.begin(), from.end());
    }
    if (!other.other_blocks_.empty()) MakeOtherBlocksRoom();
    other_blocks_.assign(other.other_blocks_.begin(), other.other_blocks_.end());
    size_ = other.size_;
  }

  std::array<Block, kFirstBlocks> first_blocks_;
  Block other_blocks_;
  // Where each block's entries begin; set when its room is set aside, read only below size_.
  std::array<Entry*, kBlockCount> block_starts_{};
  size_t size_ = 0;
  Entry blank_{};
  std::uint64_t changes_ = 0;
  // What WatchChangesFromNow follows: a mark on the table, not part of its contents.
  mutable std::uint64_t watched_from_ = 0;
  mutable int lowest_changed_ = 0;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// Names to numbers, for building a table of tens of thousands of names where every look-up
// must stay cheap. The names sit in insertion order in one array and a power-of-two array of
// small slots, probed linearly, points into it; a look-up reads one or two slots and compares
// text only on a matching hash. The map holds views: the text of every name must outlive it.
class FlatNameMap {
 public:
  // Room for `count` names in all before the slots grow.
  void Reserve(size_t count) {
    entries_.reserve(count);
    if (2 * count > slots_.size()) Rehash(SlotCountFor(count));
  }

  // The hash `name` is filed under, for the calls below that take one: a caller that knows its
  // names ahead hashes them once and asks for their slots early.
  static size_t HashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

  // The number given to `name`, -1 when it has none.
  int Find(std::string_view name) const { return Find(name, HashOf(name)); }
  int Find(std::string_view name, size_t hash) const {
    if (slots_.empty()) return -1;
    const std::uint32_t tag = Tag(hash);
    for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
      const Slot& slot = slots_[at];
      if (slot.entry == 0) return -1;
      if (slot.tag != tag) continue;
      const auto& [key, value] = entries_[slot.entry - 1];
      if (key == name) return value;
    }
  }

  // Gives `name`, which has no number yet, the number `value`.
  void Insert(std::string_view name, int value) { Insert(name, value, HashOf(name)); }
  void Insert(std::string_view name, int value, size_t hash) {
    if (2 * (entries_.size() + 1) > slots_.size()) Rehash(SlotCountFor(entries_.size() + 1));
    entries_.emplace_back(name, value);
    Place(hash, static_cast<std::uint32_t>(entries_.size()));
  }

  // Starts loading the first slot a look-up of this hash reads, so that a Find a little later
  // need not wait for memory.
  void Prefetch(size_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & mask_]);
  }

  size_t size() const { return entries_.size(); }

 private:
  struct Slot {
    std::uint32_t tag = 0;
    std::uint32_t entry = 0;  // 1 + index into entries_, 0 for a free slot
  };

  // The bits of the hash the slot index does not use for small tables.
  static std::uint32_t Tag(size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
  }
  // At most half of the slots in use.
  static size_t SlotCountFor(size_t count) {
    size_t slots = 16;
    while (slots < 2 * count) slots *= 2;
    return slots;
  }

  void Place(size_t hash, std::uint32_t entry) {
    size_t at = hash & mask_;
    while (slots_[at].entry != 0) at = (at + 1) & mask_;
    slots_[at] = {Tag(hash), entry};
  }

  void Rehash(size_t slot_count) {
    slots_.assign(slot_count, Slot{});
    mask_ = slot_count - 1;
    for (size_t e = 0; e < entries_.size(); ++e) {
      Place(HashOf(entries_[e].first), static_cast<std::uint32_t>(e + 1));
    }
  }

  std::vector<std::pair<std::string_view, int>> entries_;
  std::vector<Slot> slots_;
  size_t mask_ = 0;
};

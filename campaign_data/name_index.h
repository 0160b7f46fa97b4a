#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "campaign_data/fixed_table.h"

// The entries 0..last of a table by the text of one field, exact and case-sensitive, in index
// order: the same answers as a scan from the first entry, without the scan. The index is kept
// beside its table and built again on the first look-up after one of its entries may have
// changed (a write through the table's operator[] at or below `last`, or another last index),
// so it never answers from an older table; writes to entries beyond `last` leave it standing.
// Look-ups read the table through const access only.
template <typename Entry, int Capacity, std::string Entry::*Field>
class NameIndex {
 public:
  using Table = FixedTable<Entry, Capacity>;

  NameIndex() = default;
  // A copy starts unbuilt: the keys of an index are views of its own copy of the names.
  NameIndex(const NameIndex&) {}
  NameIndex& operator=(const NameIndex& other) {
    if (this != &other) *this = NameIndex();
    return *this;
  }
  // A move keeps the names' storage, and so the keys' views.
  NameIndex(NameIndex&&) noexcept = default;
  NameIndex& operator=(NameIndex&&) noexcept = default;

  // The first entry whose field is `name`, -1 when none.
  int First(const Table& table, int last, std::string_view name) const {
    Refresh(table, last);
    const auto found = first_.find(name);
    return found == first_.end() ? -1 : found->second;
  }
  // The first entry after `after` whose field is `name`, -1 when none.
  int FirstAfter(const Table& table, int last, std::string_view name, int after) const {
    int index = First(table, last, name);
    while (index >= 0 && index <= after) index = next_[static_cast<size_t>(index)];
    return index;
  }
  // The next entry after `index` with the same text, -1 when none; `index` is an answer of
  // First or Next on the unchanged table.
  int Next(const Table& table, int last, int index) const {
    Refresh(table, last);
    if (index < 0 || index >= static_cast<int>(next_.size())) return -1;
    return next_[static_cast<size_t>(index)];
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  void Refresh(const Table& table, int last) const {
    const bool only_beyond_changed =
        last == built_for_last_ && table.LowestChangedSince(built_at_changes_) > last;
    // Loads rewrite whole entries whose names stay the same: a check of the names is far
    // cheaper than building the index again.
    if (!only_beyond_changed && (last != built_for_last_ || !SameNames(table))) Build(table, last);
    built_at_changes_ = table.Changes();
    built_for_last_ = last;
    table.WatchChangesFromNow();
  }

  bool SameNames(const Table& table) const {
    for (int i = 0; i < static_cast<int>(names_.size()); ++i) {
      if (table[i].*Field != names_[static_cast<size_t>(i)]) return false;
    }
    return true;
  }

  void Build(const Table& table, int last) const {
    const size_t count = static_cast<size_t>(std::max(last + 1, 0));
    first_.clear();
    names_.clear();
    names_.reserve(count);
    for (int i = 0; i <= last; ++i) names_.push_back(table[i].*Field);
    next_.assign(count, -1);
    // Walking down leaves every name pointing at its first entry and each entry at the next.
    for (int i = last; i >= 0; --i) {
      auto [at, added] = first_.try_emplace(names_[static_cast<size_t>(i)], i);
      if (!added) {
        next_[static_cast<size_t>(i)] = at->second;
        at->second = i;
      }
    }
  }

  // A cache of the table's contents: rebuilt by const look-ups.
  mutable std::vector<std::string> names_;  // of entries 0..last when built
  // Keys are views of names_, which is not changed while they are in use.
  mutable std::unordered_map<std::string_view, int, Hash, std::equal_to<>> first_;
  mutable std::vector<int> next_;
  mutable std::uint64_t built_at_changes_ = std::numeric_limits<std::uint64_t>::max();
  mutable int built_for_last_ = -2;
};

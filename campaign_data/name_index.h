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
    if (last == built_for_last_ && table.LowestChangedSince(built_at_changes_) > last) {
      // Only entries beyond the indexed ones changed, or none.
      built_at_changes_ = table.Changes();
      table.WatchChangesFromNow();
      return;
    }
    first_.clear();
    next_.assign(static_cast<size_t>(std::max(last + 1, 0)), -1);
    // Walking down leaves every name pointing at its first entry and each entry at the next.
    for (int i = last; i >= 0; --i) {
      const std::string& name = table[i].*Field;
      auto [at, added] = first_.try_emplace(name, i);
      if (!added) {
        next_[static_cast<size_t>(i)] = at->second;
        at->second = i;
      }
    }
    built_at_changes_ = table.Changes();
    built_for_last_ = last;
    table.WatchChangesFromNow();
  }

  // A cache of the table's contents: rebuilt by const look-ups.
  mutable std::unordered_map<std::string, int, Hash, std::equal_to<>> first_;
  mutable std::vector<int> next_;
  mutable std::uint64_t built_at_changes_ = std::numeric_limits<std::uint64_t>::max();
  mutable int built_for_last_ = -2;
};

#include "campaign_data/fixed_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/errors.h"

namespace {

struct Place {
  std::string name;
  int flag = -1;
};
using Places = FixedTable<Place, 50001>;

TEST(FixedTable, EntriesNeverWrittenReadAsEmptyUpToTheCapacity) {
  Places table;
  table[3].name = "Naha";
  const Places& read = table;
  EXPECT_EQ(read[3].name, "Naha");
  for (const int index : {0, 2, 4, 50000}) {
    EXPECT_EQ(read[index].name, "") << index;
    EXPECT_EQ(read[index].flag, -1) << index;
  }
  EXPECT_THROW(read[50001], ProgramError);
  EXPECT_THROW(table[-1], ProgramError);
}

TEST(FixedTable, ReadingPastTheUsedEntriesStoresNothing) {
  Places table;
  table[9].name = "Shuri";
  const Places& read = table;
  for (int i = 0; i < Places::kCapacity; ++i) (void)read[i].name;
  EXPECT_EQ(table.StoredCount(), 10);
}

TEST(FixedTable, EntriesStayInPlaceWhileTheTableGrows) {
  Places table;
  Place& first = table[0];
  first.name = "Yontan_Airfield";
  table[40000].name = "far";
  first.flag = 7;
  EXPECT_EQ(&table[0], &first);
  EXPECT_EQ(std::as_const(table)[0].flag, 7);
}

TEST(FixedTable, ForEachEntryReachesEntriesNotStoredYet) {
  Places table;
  table[1].flag = 5;
  table.ForEachEntry([](Place& place) { place.flag = 0; });
  const Places& read = table;
  EXPECT_EQ(read[1].flag, 0);
  EXPECT_EQ(read[30000].flag, 0);
  EXPECT_EQ(table[20].flag, 0) << "an entry stored later starts as the others";
  Places copy = table;
  EXPECT_EQ(copy[25000].flag, 0) << "a copy grows with the same blank entry";
  Places moved;
  moved = std::move(copy);
  EXPECT_EQ(moved[26000].flag, 0) << "so does a table moved into";
  table.Clear();
  EXPECT_EQ(read[1].flag, -1);
  EXPECT_EQ(read[30000].flag, -1);
  EXPECT_EQ(table[40].flag, -1) << "after a clear, a stored entry starts empty again";
}

TEST(FixedTable, ACopyHoldsTheSameEntriesAndGrowsOnItsOwn) {
  Places table;
  table[2].name = "Itoman";
  Places copy = table;
  Place& kept = copy[2];
  copy[45000].name = "grown";
  EXPECT_EQ(&copy[2], &kept);
  EXPECT_EQ(kept.name, "Itoman");
  EXPECT_EQ(std::as_const(table)[45000].name, "");
}

TEST(FixedTable, ChangesCountEveryWritableAccessButNoRead) {
  Places table;
  const auto before = table.Changes();
  (void)std::as_const(table)[4];
  EXPECT_EQ(table.Changes(), before);
  table[4].name = "x";
  EXPECT_GT(table.Changes(), before);
}

// A plain model of a table: every entry there, as a table reads. Writes and reads go through
// both, and every entry must read the same in the table and in the model, whichever way the
// table came to be (grown, copied, moved, cleared), with every stored entry still at the address
// it had when first written.
class ModelledTable {
 public:
  ModelledTable() : model_(Small::kCapacity) {}

  void Write(int index, int flag) {
    Place& place = table_[index];
    place.flag = flag;
    place.name = "p" + std::to_string(index);
    model_[static_cast<size_t>(index)] = place;
    addresses_.emplace(index, &place);
  }
  void ClearAll() {
    table_.Clear();
    model_.assign(model_.size(), Place{});
    addresses_.clear();
  }
  void CopyFrom(const ModelledTable& other) {
    table_ = other.table_;
    model_ = other.model_;
    addresses_.clear();
  }
  void TakeFrom(ModelledTable&& other) {
    // Moved entries stay where the other table held them.
    table_ = std::move(other.table_);
    model_ = other.model_;
    addresses_ = other.addresses_;
  }

  void ExpectSameAsModel(const std::string& what) const {
    const Small& read = table_;
    for (int i = 0; i < Small::kCapacity; ++i) {
      const Place& expected = model_[static_cast<size_t>(i)];
      ASSERT_EQ(read[i].flag, expected.flag) << what << ", entry " << i;
      ASSERT_EQ(read[i].name, expected.name) << what << ", entry " << i;
    }
    for (const auto& [index, address] : addresses_) {
      ASSERT_EQ(&read[index], address) << what << ", entry " << index << " moved";
    }
  }

  using Small = FixedTable<Place, 20000>;

 private:
  Small table_;
  std::vector<Place> model_;
  std::map<int, const Place*> addresses_;
};

TEST(FixedTable, ReadsAsAPlainTableThroughGrowthCopiesMovesAndClears) {
  struct Step {
    const char* what;
    std::vector<int> writes;  // indexes written, in order; -1 clears the table
  };
  // Writes at the start, far ahead and back again, in between, after a clear and all over.
  const Step steps[] = {
      {"first entries", {0, 1, 2}},
      {"a jump far ahead", {19999, 5}},
      {"entries between", {100, 1500, 8191, 8192, 8193, 1023, 1024, 15000}},
      {"a clear, then growth again", {-1, 10, 12000, 4}},
      {"every entry",
       [] {
         std::vector<int> all;
         for (int i = 0; i < 20000; i += 37) all.push_back(i);
         return all;
       }()},
  };
  ModelledTable grown;
  int flag = 0;
  for (const Step& step : steps) {
    for (const int index : step.writes) {
      if (index < 0) {
        grown.ClearAll();
      } else {
        grown.Write(index, ++flag);
      }
    }
    grown.ExpectSameAsModel(step.what);
    ModelledTable copy;
    copy.Write(19999, -5);
    copy.CopyFrom(grown);
    copy.ExpectSameAsModel(std::string("a copy after ") + step.what);
    copy.Write(19000, ++flag);
    copy.Write(3, ++flag);
    copy.ExpectSameAsModel(std::string("a copy grown after ") + step.what);
    grown.ExpectSameAsModel(std::string("the original beside a grown copy after ") + step.what);
    ModelledTable moved;
    moved.TakeFrom(std::move(copy));
    moved.ExpectSameAsModel(std::string("a moved table after ") + step.what);
    moved.Write(1234, ++flag);
    moved.ExpectSameAsModel(std::string("a moved table grown after ") + step.what);
  }
}

TEST(FixedTable, ATableMovedFromStoresAgain) {
  Places table;
  table[40000].name = "far";
  Places taken = std::move(table);
  table[1].name = "again";
  EXPECT_EQ(std::as_const(table)[1].name, "again");
  EXPECT_EQ(std::as_const(taken)[40000].name, "far");
  EXPECT_EQ(std::as_const(taken)[1].name, "");
}

}  // namespace

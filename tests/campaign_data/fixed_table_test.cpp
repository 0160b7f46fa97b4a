#include "campaign_data/fixed_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
  table.Clear();
  EXPECT_EQ(read[1].flag, -1);
  EXPECT_EQ(read[30000].flag, -1);
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

}  // namespace

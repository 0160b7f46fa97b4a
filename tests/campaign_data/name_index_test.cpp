#include "campaign_data/name_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "campaign_data/geometry.h"
#include "campaign_data/table_lookups.h"
#include "tests/support/test_world.h"

namespace {

struct Named {
  std::string name;
};
using Table = FixedTable<Named, 2000>;
using Index = NameIndex<Named, 2000, &Named::name>;

// The rule the index stands in for: the first entry after `after` with the name.
int ScanAfter(const Table& table, int last, const std::string& name, int after) {
  for (int i = std::max(after + 1, 0); i <= last; ++i) {
    if (table[i].name == name) return i;
  }
  return -1;
}

TEST(NameIndex, AnswersAsAScanOnRandomTablesWithRepeatedNames) {
  std::mt19937 random(17);
  Table table;
  Index index;
  for (int round = 0; round < 40; ++round) {
    const int last = static_cast<int>(random() % 1500) - 1;
    for (int i = 0; i <= last; ++i) table[i].name = "N" + std::to_string(random() % 300);
    const Table& read = table;
    for (int probe = 0; probe < 200; ++probe) {
      const std::string name = "N" + std::to_string(random() % 320);
      const int after = static_cast<int>(random() % 1600) - 2;
      EXPECT_EQ(index.First(read, last, name), ScanAfter(read, last, name, -1)) << name;
      EXPECT_EQ(index.FirstAfter(read, last, name, after), ScanAfter(read, last, name, after))
          << name << " after " << after;
      const int first = index.First(read, last, name);
      if (first >= 0) {
        EXPECT_EQ(index.Next(read, last, first), ScanAfter(read, last, name, first));
      }
    }
  }
}

TEST(NameIndex, FollowsAWriteAndANewLastIndex) {
  Table table;
  Index index;
  table[0].name = "Naha";
  table[1].name = "Shuri";
  EXPECT_EQ(index.First(table, 1, "Shuri"), 1);
  table[0].name = "Shuri";
  EXPECT_EQ(index.First(table, 1, "Shuri"), 0);
  EXPECT_EQ(index.First(table, 0, "Naha"), -1);
  EXPECT_EQ(index.First(table, -1, "Shuri"), -1);
  table[2].name = "Itoman";
  EXPECT_EQ(index.First(table, 1, "Itoman"), -1) << "beyond the last index";
  EXPECT_EQ(index.First(table, 2, "Itoman"), 2);
}

// Writes beyond the last index (the planner's scratch targets) leave the index standing; every
// write at or below it, and a table assigned whole, is followed.
TEST(NameIndex, AnswersAsAScanWhileSingleEntriesChangeAboveAndBelowTheLastIndex) {
  std::mt19937 random(29);
  Table table;
  Index index;
  const int last = 400;
  for (int i = 0; i <= last; ++i) table[i].name = "N" + std::to_string(random() % 150);
  for (int step = 0; step < 3000; ++step) {
    const int written = static_cast<int>(random() % 800);
    table[written].name = "N" + std::to_string(random() % 150);
    if (step % 500 == 499) {
      Table copy = std::as_const(table);
      copy[static_cast<int>(random() % 400)].name = "Copied";
      table = step % 1000 == 999 ? std::move(copy) : copy;
    }
    const Table& read = table;
    const std::string name = step % 500 == 499 ? "Copied" : "N" + std::to_string(random() % 160);
    const int after = static_cast<int>(random() % 420) - 2;
    ASSERT_EQ(index.First(read, last, name), ScanAfter(read, last, name, -1))
        << name << " at step " << step;
    ASSERT_EQ(index.FirstAfter(read, last, name, after), ScanAfter(read, last, name, after))
        << name << " after " << after << " at step " << step;
  }
}

// A load writes every entry again, mostly with the names they had: the index checks the names
// rather than trusting the write, and a copy of an index answers for the table it is asked on.
TEST(NameIndex, AnswersAsAScanAfterEntriesAreWrittenAgainWithTheSameOrOtherNames) {
  std::mt19937 random(41);
  Table table;
  Index index;
  const int last = 300;
  for (int i = 0; i <= last; ++i) table[i].name = "N" + std::to_string(random() % 100);
  for (int round = 0; round < 30; ++round) {
    const int renamed = round % 3 == 0 ? static_cast<int>(random() % (last + 1)) : -1;
    for (int i = 0; i <= last; ++i) {
      const std::string name = table[i].name;
      table[i].name = i == renamed ? "N" + std::to_string(random() % 100) : name;
    }
    const Index copy = index;
    const Table& read = table;
    for (int probe = 0; probe < 100; ++probe) {
      const std::string name = "N" + std::to_string(random() % 105);
      ASSERT_EQ(index.First(read, last, name), ScanAfter(read, last, name, -1))
          << name << " in round " << round;
      ASSERT_EQ(copy.First(read, last, name), ScanAfter(read, last, name, -1)) << name;
      const int after = static_cast<int>(random() % 300);
      ASSERT_EQ(index.FirstAfter(read, last, name, after), ScanAfter(read, last, name, after));
    }
  }
}

// The form's look-ups and the checks built on them, on a map whose names repeat.
TEST(TableLookups, OffMapCheckAndLookUpsOfTheFormFollowItsTables) {
  TestWorld world;
  TMainForm& form = *world.form;
  for (const auto& [index, name, off_map] :
       {std::tuple{0, "Naha", ""}, {1, "Kikai_Airfield", ""}, {2, "Kikai_Airfield", "Y"}}) {
    form.LocationTable[index].LocationName = name;
    form.LocationTable[index].LocationOffMap = off_map;
  }
  form.LastLocation = 2;
  EXPECT_EQ(FindLocation(form, "Kikai_Airfield"), 1);
  EXPECT_EQ(FindLocationAfter(form, "Kikai_Airfield", 1), 2);
  EXPECT_EQ(OffMapCheck(form, "Kikai_Airfield"), "Y") << "any location of the name counts";
  EXPECT_EQ(OffMapCheck(form, "Naha"), "N");
  form.LocationTable[0].LocationOffMap = "Y";
  EXPECT_EQ(OffMapCheck(form, "Naha"), "Y");
  form.LastLocation = 1;
  EXPECT_EQ(OffMapCheck(form, "Kikai_Airfield"), "N") << "the last location is 1 now";

  form.ColumnTable[0].ColumnUnitName = "Essex";
  form.ColumnTable[1].ColumnUnitName = "Yorktown";
  form.LastColumn = 1;
  EXPECT_EQ(FindColumnByUnitName(form, "Yorktown"), 1);
  form.ColumnTable[0].ColumnUnitName = "Yorktown";
  EXPECT_EQ(FindColumnByUnitName(form, "Yorktown"), 0);
  EXPECT_EQ(FindColumnByUnitNameAfter(form, "Yorktown", 0), 1);
  EXPECT_EQ(FindColumnByUnitName(form, "Essex"), -1);
}

}  // namespace

#include "campaign_data/flat_name_map.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <unordered_map>

namespace {

// Inserts and look-ups in random order agree with a standard map, from an empty map that grows
// as it goes and from one reserved up front; names share long prefixes and differ in length.
TEST(FlatNameMap, AgreesWithAStandardMapOnRandomNames) {
  for (const bool reserve : {false, true}) {
    SCOPED_TRACE(reserve ? "reserved" : "growing");
    std::mt19937 random(5);
    std::deque<std::string> texts;  // the map holds views: the names stay put
    std::unordered_map<std::string, int> expected;
    FlatNameMap map;
    if (reserve) map.Reserve(3000);
    EXPECT_EQ(map.Find("Alden"), -1);
    for (int step = 0; step < 6000; ++step) {
      const int number = static_cast<int>(random() % 4000);
      const std::string name = (number % 3 == 0 ? "Place_" : "Place_Of_") + std::to_string(number) +
                               std::string(number % 5, '_');
      if (random() % 2 == 0 && expected.count(name) == 0) {
        texts.push_back(name);
        map.Insert(texts.back(), step);
        expected[name] = step;
      }
      const auto found = expected.find(name);
      ASSERT_EQ(map.Find(name), found == expected.end() ? -1 : found->second) << name;
    }
    EXPECT_EQ(map.size(), expected.size());
    for (const auto& [name, value] : expected) ASSERT_EQ(map.Find(name), value) << name;
    EXPECT_EQ(map.Find(""), -1);
    EXPECT_EQ(map.Find("Place_"), -1);
  }
}

}  // namespace

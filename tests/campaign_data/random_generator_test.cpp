#include "campaign_data/random_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

TEST(RandomGenerator, AdvancesTheSeedBeforeEachDraw) {
  RandomGenerator generator;
  generator.SetSeed(0);
  // seed 1: the high 32 bits of 100 * 1 are 0.
  EXPECT_EQ(generator.Random(100), 0);
  EXPECT_EQ(generator.Seed(), 1u);
  // seed 134775814: (100 * 134775814) >> 32 = 3.
  EXPECT_EQ(generator.Random(100), 3);
  EXPECT_EQ(generator.Seed(), 134775814u);
}

TEST(RandomGenerator, DrawsOfZeroOrOneAnswerZeroAndStillAdvance) {
  RandomGenerator generator;
  generator.SetSeed(0xFFFFFFFFu);
  EXPECT_EQ(generator.Random(1), 0);
  const auto after_one = generator.Seed();
  EXPECT_NE(after_one, 0xFFFFFFFFu);
  EXPECT_EQ(generator.Random(0), 0);
  EXPECT_NE(generator.Seed(), after_one);
}

TEST(RandomGenerator, StaysWithinRangeAndRepeatsForOneSeed) {
  RandomGenerator first;
  RandomGenerator second;
  first.SetSeed(4242);
  second.SetSeed(4242);
  for (int i = 0; i < 1000; ++i) {
    const int draw = first.Random(7);
    ASSERT_GE(draw, 0);
    ASSERT_LT(draw, 7);
    ASSERT_EQ(draw, second.Random(7));
  }
}

TEST(RandomGenerator, SkippingDrawsLeavesTheSeedOfThatManyDraws) {
  for (const std::uint64_t draws : {0ull, 1ull, 2ull, 3ull, 7ull, 64ull, 1000ull, 45677ull}) {
    RandomGenerator drawn;
    RandomGenerator skipped;
    drawn.SetSeed(20250406u);
    skipped.SetSeed(20250406u);
    for (std::uint64_t i = 0; i < draws; ++i) drawn.Random(9);
    skipped.Skip(draws);
    EXPECT_EQ(skipped.Seed(), drawn.Seed()) << draws << " draws";
  }
}

struct SeedsAheadCase {
  const char* name;
  std::uint32_t seed;
  int most;  // the table's reach
};

class SeedsAheadTest : public ::testing::TestWithParam<SeedsAheadCase> {};

TEST_P(SeedsAheadTest, ReadsTheSeedAndDrawOfEveryCountOfDrawsAsDrawingThemDoes) {
  const SeedsAheadCase c = GetParam();
  const SeedsAhead ahead(c.most);
  ASSERT_EQ(ahead.Most(), std::max(c.most, 0));
  RandomGenerator drawn;
  drawn.SetSeed(c.seed);
  EXPECT_EQ(ahead.After(c.seed, 0), c.seed);
  for (int draws = 1; draws <= ahead.Most(); ++draws) {
    const int draw = drawn.Random(3);
    ASSERT_EQ(ahead.After(c.seed, draws), drawn.Seed()) << draws << " draws";
    ASSERT_EQ(RandomGenerator::Scale(ahead.After(c.seed, draws), 3), draw) << draws << " draws";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, SeedsAheadTest,
    ::testing::Values(SeedsAheadCase{"NoDrawsAhead", 77u, 0},
                      SeedsAheadCase{"NegativeReachMeansNone", 77u, -3},
                      SeedsAheadCase{"FromZero", 0u, 50},
                      SeedsAheadCase{"FromTheHighestSeed", 0xFFFFFFFFu, 50},
                      SeedsAheadCase{"AsManyAsAFullColumnTable", 20250406u, 1024}),
    [](const ::testing::TestParamInfo<SeedsAheadCase>& info) { return info.param.name; });

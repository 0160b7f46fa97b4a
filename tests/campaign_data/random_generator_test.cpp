#include "campaign_data/random_generator.h"

#include <gtest/gtest.h>

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

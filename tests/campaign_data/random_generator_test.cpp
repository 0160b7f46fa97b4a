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

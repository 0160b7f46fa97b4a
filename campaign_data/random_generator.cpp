#include "campaign_data/random_generator.h"

#include <algorithm>

void RandomGenerator::Skip(std::uint64_t draws) {
  // The steps compose as maps x -> a x + c; squaring the step map covers draws bit by bit.
  std::uint32_t step_multiplier = kMultiplier;
  std::uint32_t step_increment = kIncrement;
  std::uint32_t multiplier = 1u;
  std::uint32_t increment = 0u;
  for (; draws != 0; draws >>= 1) {
    if ((draws & 1u) != 0) {
      multiplier *= step_multiplier;
      increment = increment * step_multiplier + step_increment;
    }
    step_increment *= step_multiplier + 1u;
    step_multiplier *= step_multiplier;
  }
  seed_ = seed_ * multiplier + increment;
}

SeedsAhead::SeedsAhead(int most) {
  const auto count = static_cast<std::size_t>(std::max(most, 0)) + 1;
  multipliers_.reserve(count);
  increments_.reserve(count);
  // No draw leaves the seed as it is; each further draw is one more step x -> a x + c.
  std::uint32_t multiplier = 1u;
  std::uint32_t increment = 0u;
  for (std::size_t draws = 0; draws < count; ++draws) {
    multipliers_.push_back(multiplier);
    increments_.push_back(increment);
    multiplier *= RandomGenerator::kMultiplier;
    increment = increment * RandomGenerator::kMultiplier + RandomGenerator::kIncrement;
  }
}

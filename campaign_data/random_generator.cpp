#include "campaign_data/random_generator.h"

namespace {

constexpr std::uint32_t kMultiplier = 134775813u;
constexpr std::uint32_t kIncrement = 1u;

}  // namespace

int RandomGenerator::Random(int n) {
  seed_ = seed_ * kMultiplier + kIncrement;
  if (n <= 1) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(n) * seed_) >> 32);
}

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

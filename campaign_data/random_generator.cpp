#include "campaign_data/random_generator.h"

int RandomGenerator::Random(int n) {
  seed_ = seed_ * 134775813u + 1u;
  if (n <= 1) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(n) * seed_) >> 32);
}
